#include "app/program.h"

#include "lessons/column/addition.h"
#include "lessons/column/drill.h"
#include "lessons/column/subtraction.h"
#include "lessons/division/drill.h"
#include "lessons/division/remainder.h"
#include "lessons/division/timestable.h"
#include "lessons/hidden/hidden.h"
#include "lessons/mental/addition.h"
#include "lessons/mental/drill.h"
#include "lessons/mental/subtraction.h"
#include "lessons/multiplication/column1.h"
#include "lessons/multiplication/column2.h"
#include "lessons/multiplication/drill.h"
#include "lessons/multiplication/rules.h"
#include "lessons/multiplication/tenshundreds.h"
#include "lessons/multiplication/zerotenhundred.h"
#include "lessons/numbers/numbers.h"
#include "lessons/units/drill.h"
#include "lessons/units/length.h"
#include "lessons/units/time.h"
#include "lessons/units/volume.h"

// The screens of the program, in the order start-up creates them.
const std::vector<ScreenEntry> &ScreenRegistry()
{
    static const std::vector<ScreenEntry> registry = {
        {2, [](const Services &s) -> TScreen * { return new TForm2(s); }},
        {3, [](const Services &s) -> TScreen * { return new TForm3(s); }},
        {4, [](const Services &s) -> TScreen * { return new TForm4(s); }},
        {5, [](const Services &s) -> TScreen * { return new TForm5(s); }},
        {6, [](const Services &s) -> TScreen * { return new TForm6(s); }},
        {7, [](const Services &s) -> TScreen * { return new TForm7(s); }},
        {8, [](const Services &s) -> TScreen * { return new TForm8(s); }},
        {9, [](const Services &s) -> TScreen * { return new TForm9(s); }},
        {11, [](const Services &s) -> TScreen * { return new TForm11(s); }},
        {10, [](const Services &s) -> TScreen * { return new TForm10(s); }},
        {12, [](const Services &s) -> TScreen * { return new TForm12(s); }},
        {13, [](const Services &s) -> TScreen * { return new TForm13(s); }},
        {14, [](const Services &s) -> TScreen * { return new TForm14(s); }},
        {15, [](const Services &s) -> TScreen * { return new TForm15(s); }},
        {16, [](const Services &s) -> TScreen * { return new TForm16(s); }},
        {17, [](const Services &s) -> TScreen * { return new TForm17(s); }},
        {18, [](const Services &s) -> TScreen * { return new TForm18(s); }},
        {19, [](const Services &s) -> TScreen * { return new TForm19(s); }},
        {20, [](const Services &s) -> TScreen * { return new TForm20(s); }},
        {21, [](const Services &s) -> TScreen * { return new TForm21(s); }},
        {22, [](const Services &s) -> TScreen * { return new TForm22(s); }},
        {23, [](const Services &s) -> TScreen * { return new TForm23(s); }},
    };
    return registry;
}
