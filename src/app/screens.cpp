#include "app/program.h"

// The screens of the program, in the order start-up creates them.
const std::vector<ScreenEntry> &ScreenRegistry()
{
    static const std::vector<ScreenEntry> registry = {
    };
    return registry;
}
