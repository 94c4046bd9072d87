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

namespace {
template <class Form>
TScreen *make(const Services &services)
{
    return new Form(services);
}
}  // namespace

// The screens of the program, in the order start-up creates them. On the
// contents screen a chapter's buttons stand in the order of their forms.
const std::vector<ScreenEntry> &ScreenRegistry()
{
    static const std::vector<ScreenEntry> catalogue = {
        {2, 1, "何千万まで", false, make<TForm2>},
        {3, 2, "たし算", false, make<TForm3>},
        {4, 2, "ひき算", false, make<TForm4>},
        {5, 2, "ドリル", true, make<TForm5>},
        {6, 3, "たし算", false, make<TForm6>},
        {7, 3, "ひき算", false, make<TForm7>},
        {8, 3, "ドリル", true, make<TForm8>},
        {9, 4, "かさ", false, make<TForm9>},
        {11, 4, "時こくと時間", false, make<TForm11>},
        {10, 4, "長さ", false, make<TForm10>},
        {12, 4, "重さ", false, make<TForm12>},
        {13, 4, "ドリル", true, make<TForm13>},
        {14, 5, "たし算とひき算", false, make<TForm14>},
        {15, 6, "かけ算のきまり", false, make<TForm15>},
        {16, 6, "0,10,100のかけ算", false, make<TForm16>},
        {17, 6, "ひっ算１", false, make<TForm17>},
        {18, 6, "ひっ算２", false, make<TForm18>},
        {19, 6, "何十、何百のかけ算", false, make<TForm19>},
        {20, 6, "ドリル", true, make<TForm20>},
        {21, 7, "わり算と九九", false, make<TForm21>},
        {22, 7, "わり算とあまり", false, make<TForm22>},
        {23, 7, "ドリル", true, make<TForm23>},
    };
    return catalogue;
}
