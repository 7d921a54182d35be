// rx320-sim: a simulated Ten-Tec RX-320 on a pseudo-terminal, for the demo and the tests.

#include <cstdio>
#include <string>
#include <vector>

#include "sim_options.h"
#include "simulator.h"

int main(int argc, char** argv) {
    const std::string programName = argc > 0 ? argv[0] : "rx320-sim";
    SimOptions options;
    std::string error;
    switch (ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        case OptionsOutcome::ShowHelp:
            std::fputs(SimHelpText(programName).c_str(), stdout);
            return 0;
        case OptionsOutcome::Invalid:
            std::fprintf(stderr, "%s: %s\n", programName.c_str(), error.c_str());
            return 2;
        case OptionsOutcome::Run:
            break;
    }
    Simulator simulator(options);
    if (!simulator.Start(error)) {
        std::fprintf(stderr, "%s: %s\n", programName.c_str(), error.c_str());
        return 1;
    }
    return simulator.Run();
}
