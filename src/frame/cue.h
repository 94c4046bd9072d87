#pragma once

// The sound cues by what they say to the pupil; the value is the cue's
// number, which names its file (see CuePath).
enum class Cue {
    Pipo = 11,        // a new problem, the next step
    Poon = 12,        // a screen or a mode shown, a menu picked, the time, a logged answer
    Bubuu = 13,       // wrong
    Pinpon = 14,      // right
    Sharan = 15,      // a memo brought up
    Charararan = 16,  // sound switched on
    Bun = 17,         // a higher place picked, a drill's menu, a step
    Chararan = 19,    // a drill stopped
};

// The cue of a mark: pinpon for a right answer, bubuu for a wrong one.
constexpr Cue MarkCue(bool right)
{
    return right ? Cue::Pinpon : Cue::Bubuu;
}
