#pragma once
#include "frame/platform.h"

#include <vector>

class TScreen;

// One lesson or drill screen of the program: its form number, where its
// button stands on the contents screen, and how start-up makes it. The
// catalogue holds them in the order start-up creates them; a new screen
// joins the program (its contents button, start-up, the random-click soak)
// by one entry there.
struct ScreenEntry {
    int form;             // TFormN; its contents button is CuteButton(N + 1)
    int chapter;          // the contents screen's chapter, 1 "１．数" … 7 "７．わり算"
    const char *caption;  // its contents button's caption
    bool drill;           // a drill's button is sky blue, a lesson's green
    TScreen *(*make)(const Services &);
};
const std::vector<ScreenEntry> &ScreenRegistry();
