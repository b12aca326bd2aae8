#pragma once

#include <map>
#include <string>
#include <vector>

// What the driver is asked to do in one run of the program: a scenario name and its
// "key=value" arguments, from the command line.
class Scenario {
public:
    using Run = void (*)(const Scenario&);

    static bool select(int argc, char** argv);
    static const Scenario& selected();
    // Starts the selected scenario from the event loop, once the application object exists.
    static void startWhenRunning();
    static std::vector<std::string> names();

    const std::string& name() const { return name_; }
    std::string arg(const std::string& key, const std::string& otherwise = "") const;
    int intArg(const std::string& key, int otherwise) const;
    std::vector<int> intListArg(const std::string& key) const;

private:
    std::string name_;
    Run run_ = nullptr;
    std::map<std::string, std::string> args_;
};
