#include "Scenario.h"

#include "Report.h"
#include "Scenarios.h"

#include <QCoreApplication>
#include <QTimer>
#include <sstream>

namespace {

struct Entry {
    const char* name;
    Scenario::Run run;
};

constexpr Entry kScenarios[] = {
    {"whole-run", &scenarios::wholeRun},
    {"media-fault", &scenarios::mediaFault},
    {"links", &scenarios::links},
    {"load", &scenarios::load},
    {"rapid-input", &scenarios::rapidInput},
    {"quit-shortcut", &scenarios::quitShortcut},
};

Scenario& current() {
    static Scenario scenario;
    return scenario;
}

} // namespace

bool Scenario::select(int argc, char** argv) {
    if (argc < 2)
        return false;
    Scenario& scenario = current();
    scenario.name_ = argv[1];
    for (const Entry& entry : kScenarios)
        if (scenario.name_ == entry.name)
            scenario.run_ = entry.run;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto equals = arg.find('=');
        if (equals == std::string::npos)
            return false;
        scenario.args_[arg.substr(0, equals)] = arg.substr(equals + 1);
    }
    return scenario.run_ != nullptr;
}

const Scenario& Scenario::selected() {
    return current();
}

void Scenario::startWhenRunning() {
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        const Scenario& scenario = selected();
        Report::step("scenario " + scenario.name());
        scenario.run_(scenario);
    });
}

std::vector<std::string> Scenario::names() {
    std::vector<std::string> all;
    for (const Entry& entry : kScenarios)
        all.emplace_back(entry.name);
    return all;
}

std::string Scenario::arg(const std::string& key, const std::string& otherwise) const {
    const auto found = args_.find(key);
    return found == args_.end() ? otherwise : found->second;
}

int Scenario::intArg(const std::string& key, int otherwise) const {
    const std::string text = arg(key);
    return text.empty() ? otherwise : std::stoi(text);
}

std::vector<int> Scenario::intListArg(const std::string& key) const {
    std::vector<int> values;
    std::istringstream in(arg(key));
    std::string item;
    while (std::getline(in, item, ','))
        if (!item.empty())
            values.push_back(std::stoi(item));
    return values;
}
