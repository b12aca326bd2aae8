// The real program, with a scenario that plays its user. The program itself takes no arguments:
// the driver takes the scenario from the command line and starts it once the application object
// exists; everything else is the program's own start-up, event loop and exit status.
#include "Scenario.h"
#include "app/Startup.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

void startScenario() {
    Scenario::startWhenRunning();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startScenario)

int main(int argc, char** argv) {
    if (!Scenario::select(argc, argv)) {
        std::fprintf(stderr, "usage: %s SCENARIO [key=value...]; scenarios:", argv[0]);
        for (const std::string& name : Scenario::names())
            std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 64;
    }
    return ProgramMain();
}
