#include "app/program.h"

#include "lessons/mental/drill.h"

// The screens of the program, in the order start-up creates them.
const std::vector<ScreenEntry> &ScreenRegistry()
{
    static const std::vector<ScreenEntry> registry = {
        {5, [](const Services &s) -> TScreen * { return new TForm5(s); }},
    };
    return registry;
}
