#include "app/program.h"

#include "lessons/column/addition.h"
#include "lessons/column/drill.h"
#include "lessons/hidden/hidden.h"
#include "lessons/mental/addition.h"
#include "lessons/mental/drill.h"
#include "lessons/mental/subtraction.h"
#include "lessons/multiplication/column1.h"
#include "lessons/multiplication/column2.h"
#include "lessons/multiplication/drill.h"
#include "lessons/units/time.h"
#include "lessons/units/volume.h"

// The screens of the program, in the order start-up creates them.
const std::vector<ScreenEntry> &ScreenRegistry()
{
    static const std::vector<ScreenEntry> registry = {
        {3, [](const Services &s) -> TScreen * { return new TForm3(s); }},
        {4, [](const Services &s) -> TScreen * { return new TForm4(s); }},
        {5, [](const Services &s) -> TScreen * { return new TForm5(s); }},
        {6, [](const Services &s) -> TScreen * { return new TForm6(s); }},
        {8, [](const Services &s) -> TScreen * { return new TForm8(s); }},
        {9, [](const Services &s) -> TScreen * { return new TForm9(s); }},
        {11, [](const Services &s) -> TScreen * { return new TForm11(s); }},
        {14, [](const Services &s) -> TScreen * { return new TForm14(s); }},
        {17, [](const Services &s) -> TScreen * { return new TForm17(s); }},
        {18, [](const Services &s) -> TScreen * { return new TForm18(s); }},
        {20, [](const Services &s) -> TScreen * { return new TForm20(s); }},
    };
    return registry;
}
