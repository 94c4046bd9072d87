// make_cues: writes the short sound cues of ミヌカ as WAV files.
//
//   make_cues <folder>
//
// Every cue is synthesised here from sine partials with soft envelopes, so the
// program carries no recorded sound and the files come out the same on every
// build. Format: 16-bit PCM, mono, 22050 Hz. Each cue is normalised to one
// comfortable peak level and begins and ends with a short fade, so nothing
// clicks when a new cue cuts off the one before.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

int samplesFor(double seconds)
{
    return static_cast<int>(std::lround(seconds * kRate));
}

// Frequency of a note given as semitones from A4 (440 Hz).
double note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Named notes used by the cues (semitones from A4).
constexpr int C5 = 3, D5 = 5, E5 = 7, G5 = 10, A5 = 12, B5 = 14;
constexpr int C6 = 15, D6 = 17, E6 = 19, G6 = 22, A6 = 24, C7 = 27;

// One partial of a tone: a multiple of the fundamental, its level, and how
// much faster than the fundamental it dies away (bells lose their upper
// partials first).
struct Partial {
    double ratio;
    double level;
    double decayScale;
};

// A struck or plucked note: quick attack, exponential decay. `decay` is the
// time in seconds for the fundamental to fall to about 37 %.
struct Note {
    double start;       // seconds from the beginning of the cue
    double frequency;   // Hz
    double length;      // seconds the note may sound
    double level;       // relative loudness
    double decay;       // seconds
    double attack = 0.004;
    double glide = 0.0; // relative pitch change over the note (-0.1 = down 10 %)
};

// Adds one note made of the given partials into `out`, growing it as needed.
void addNote(Samples &out, const Note &n, const std::vector<Partial> &partials)
{
    const int first = samplesFor(n.start);
    const int count = samplesFor(n.length);
    if (static_cast<int>(out.size()) < first + count)
        out.resize(first + count, 0.0);

    std::vector<double> phase(partials.size(), 0.0);
    const double release = std::min(0.02, n.length / 4.0);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        // Attack, then a short release at the very end of the note so that a
        // cut-off note never leaves a step in the wave.
        double env = t < n.attack ? t / n.attack : 1.0;
        const double left = n.length - t;
        if (left < release)
            env *= std::max(0.0, left / release);
        const double f = n.frequency * (1.0 + n.glide * (t / n.length));
        double v = 0.0;
        for (std::size_t p = 0; p < partials.size(); ++p) {
            const Partial &part = partials[p];
            const double fp = f * part.ratio;
            if (fp >= kRate / 2.0 * 0.9)
                continue; // keep well below the Nyquist limit
            phase[p] += kTwoPi * fp / kRate;
            const double decay = std::exp(-t * part.decayScale / n.decay);
            v += part.level * decay * std::sin(phase[p]);
        }
        out[first + i] += n.level * env * v;
    }
}

// Tone colours.
const std::vector<Partial> kPure = {{1.0, 1.0, 1.0}};
const std::vector<Partial> kSoftBeep = {{1.0, 1.0, 1.0}, {2.0, 0.18, 1.5}, {3.0, 0.08, 2.0}};
const std::vector<Partial> kBell = {
    {1.0, 1.0, 1.0}, {2.0, 0.35, 1.8}, {3.0, 0.12, 2.6}, {4.16, 0.06, 3.5}};
const std::vector<Partial> kMarimba = {{1.0, 1.0, 1.0}, {4.0, 0.12, 4.0}, {10.0, 0.03, 8.0}};
const std::vector<Partial> kGlock = {{1.0, 1.0, 1.0}, {2.76, 0.22, 3.0}, {5.4, 0.06, 6.0}};
const std::vector<Partial> kWarmLow = {{1.0, 1.0, 1.0}, {2.0, 0.45, 1.4}, {3.0, 0.2, 1.8}};

// A soft buzzer tone: a band-limited, rounded pulse wave with a little
// vibrato, held at an even level. Its harmonics fall off quickly so that it
// hums rather than rasps.
void addBuzz(Samples &out, double start, double frequency, double length, double glide)
{
    const int first = samplesFor(start);
    const int count = samplesFor(length);
    if (static_cast<int>(out.size()) < first + count)
        out.resize(first + count, 0.0);
    const double attack = 0.012;
    const double release = 0.05;
    double phase = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double env = 1.0;
        if (t < attack)
            env = t / attack;
        if (length - t < release)
            env *= std::max(0.0, (length - t) / release);
        // a gentle swell and sag keeps it from sounding mechanical
        env *= 0.85 + 0.15 * std::sin(std::numbers::pi * t / length);
        const double vibrato = 1.0 + 0.012 * std::sin(kTwoPi * 6.0 * t);
        const double f = frequency * (1.0 + glide * (t / length)) * vibrato;
        phase += kTwoPi * f / kRate;
        double v = 0.0;
        for (int h = 1; h <= 9; ++h) {
            if (f * h > 1800.0)
                break;
            // odd harmonics a little stronger, like a clarinet-ish reed
            const double level = (h % 2 ? 1.0 : 0.45) / std::pow(static_cast<double>(h), 1.6);
            v += level * std::sin(phase * h);
        }
        out[first + i] += env * v;
    }
}

// Scales the cue to the given peak and puts short fades at both ends.
std::vector<std::int16_t> finish(Samples s, double peak)
{
    // a little silence at the end so the player never stops on a sample
    s.resize(s.size() + samplesFor(0.01), 0.0);

    const int fadeIn = samplesFor(0.003);
    const int fadeOut = samplesFor(0.015);
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < std::min(fadeIn, n); ++i)
        s[i] *= static_cast<double>(i) / fadeIn;
    for (int i = 0; i < std::min(fadeOut, n); ++i)
        s[n - 1 - i] *= static_cast<double>(i) / fadeOut;

    double max = 0.0;
    for (double v : s)
        max = std::max(max, std::abs(v));
    const double gain = max > 0.0 ? peak / max : 0.0;

    std::vector<std::int16_t> pcm;
    pcm.reserve(s.size());
    for (double v : s) {
        const double x = std::clamp(v * gain, -1.0, 1.0);
        pcm.push_back(static_cast<std::int16_t>(std::lround(x * 32767.0)));
    }
    return pcm;
}

void putLe(std::ofstream &f, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool writeWav(const std::filesystem::path &path, const std::vector<std::int16_t> &pcm)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f)
        return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    f.write("RIFF", 4);
    putLe(f, 36 + dataBytes, 4);
    f.write("WAVE", 4);
    f.write("fmt ", 4);
    putLe(f, 16, 4);           // size of the format chunk
    putLe(f, 1, 2);            // PCM
    putLe(f, 1, 2);            // mono
    putLe(f, kRate, 4);        // sample rate
    putLe(f, kRate * 2, 4);    // bytes per second
    putLe(f, 2, 2);            // bytes per frame
    putLe(f, 16, 2);           // bits per sample
    f.write("data", 4);
    putLe(f, dataBytes, 4);
    for (std::int16_t v : pcm)
        putLe(f, static_cast<std::uint16_t>(v), 2);
    return static_cast<bool>(f);
}

// ---- the cues -------------------------------------------------------------

// Peak levels: ringing chimes and arpeggios at about -6 dBFS. Held tones
// (the beeps, the low thud) a little lower, and the buzzer lower still: a
// sustained tone rich in harmonics sounds much louder than a decaying bell of
// the same peak, and a wrong answer should never startle.
constexpr double kPeak = 0.5;
constexpr double kPeakSoft = 0.42;
constexpr double kPeakBuzz = 0.32;

// A new problem: a bright, quick "pi-po", high then a fourth lower.
Samples pipo()
{
    Samples s;
    addNote(s, {0.00, note(E6), 0.11, 1.0, 0.30, 0.003}, kSoftBeep);
    addNote(s, {0.13, note(B5), 0.17, 1.0, 0.25, 0.003}, kSoftBeep);
    return s;
}

// A screen is shown or a choice is made: one soft, round "poon" that sinks a
// little as it fades.
Samples poon()
{
    Samples s;
    addNote(s, {0.0, note(G5), 0.40, 1.0, 0.14, 0.006, -0.04}, kMarimba);
    return s;
}

// A wrong answer: a low, gentle buzzer, a short "bu" and a longer "buu"
// that droops a little, like a friendly "oh, not quite".
Samples bubuu()
{
    Samples s;
    addBuzz(s, 0.00, 196.0, 0.13, 0.0);
    addBuzz(s, 0.19, 185.0, 0.42, -0.06);
    return s;
}

// A right answer: the two-tone chime "pin-pon", a high bell and a major
// third below it that rings on.
Samples pinpon()
{
    Samples s;
    addNote(s, {0.00, note(E6), 0.45, 1.0, 0.25}, kBell);
    addNote(s, {0.24, note(C6), 0.66, 1.0, 0.34}, kBell);
    return s;
}

// "Sharan": a shimmering run up a pentatonic scale, the notes overlapping
// like a sweep across a glockenspiel, with a faint tremolo on top.
Samples sharan()
{
    Samples s;
    const int steps[] = {C5, D5, E5, G5, A5, C6, D6, E6, G6, A6, C7};
    const int count = static_cast<int>(std::size(steps));
    for (int i = 0; i < count; ++i) {
        const double start = 0.035 * i;
        const bool last = i == count - 1;
        const double level = 0.6 + 0.4 * i / (count - 1);
        addNote(s, {start, note(steps[i]), last ? 0.80 : 0.50, level, last ? 0.32 : 0.20, 0.002},
                kGlock);
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        s[i] *= 1.0 - 0.18 * (0.5 + 0.5 * std::sin(kTwoPi * 14.0 * t));
    }
    return s;
}

// Start-up welcome: "cha-ra-ra-ra-n", a cheerful rising C-major arpeggio
// ending on a ringing chord.
Samples charararan()
{
    Samples s;
    const int run[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i)
        addNote(s, {0.09 * i, note(run[i]), 0.30, 0.9, 0.14}, kMarimba);
    const double last = 0.09 * 4;
    addNote(s, {last, note(E6), 0.66, 1.0, 0.30}, kBell);
    addNote(s, {last, note(C6), 0.66, 0.55, 0.30}, kBell);
    addNote(s, {last, note(G5), 0.66, 0.45, 0.30}, kBell);
    return s;
}

// A digit picked: a short, low "bun".
Samples bun()
{
    Samples s;
    addNote(s, {0.0, note(A5 - 24), 0.16, 1.0, 0.07, 0.004, -0.08}, kWarmLow);
    return s;
}

// "Pi-pon": a quick pip and a rising ringing note.
Samples pipon()
{
    Samples s;
    addNote(s, {0.00, note(A5), 0.09, 0.8, 0.20, 0.003}, kSoftBeep);
    addNote(s, {0.11, note(D6), 0.45, 1.0, 0.22}, kBell);
    return s;
}

// A drill stopped: "cha-ra-ra-n", a short rising G-major arpeggio.
Samples chararan()
{
    Samples s;
    const int run[] = {G5, B5, D6};
    for (int i = 0; i < 3; ++i)
        addNote(s, {0.08 * i, note(run[i]), 0.26, 0.9, 0.12}, kMarimba);
    addNote(s, {0.24, note(G6), 0.46, 1.0, 0.24}, kBell);
    addNote(s, {0.24, note(D6), 0.46, 0.4, 0.24}, kBell);
    return s;
}

// The numbered cues: short, neutral blips, each a step higher on a
// pentatonic scale so that they can be told apart.
Samples blip(int number)
{
    const int scale[] = {C5, D5, E5, G5, A5, C6, D6, E6, G6, A6, C7};
    const int index = number == 20 ? 10 : number - 1;
    Samples s;
    addNote(s, {0.0, note(scale[index]), 0.10, 1.0, 0.09, 0.003}, kPure);
    return s;
}

struct Cue {
    std::string file;
    std::function<Samples()> make;
    double peak;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_cues <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::cerr << "make_cues: cannot create " << folder.string() << ": " << ec.message() << '\n';
        return 1;
    }

    std::vector<Cue> cues;
    for (int n = 1; n <= 10; ++n)
        cues.push_back({std::to_string(n) + ".wav", [n] { return blip(n); }, kPeakSoft});
    cues.push_back({"20.wav", [] { return blip(20); }, kPeakSoft});
    cues.push_back({"pipo.wav", pipo, kPeakSoft});
    cues.push_back({"poon.wav", poon, kPeak});
    cues.push_back({"bubuu.wav", bubuu, kPeakBuzz});
    cues.push_back({"pinpon.wav", pinpon, kPeak});
    cues.push_back({"sharan.wav", sharan, kPeak});
    cues.push_back({"charararan.wav", charararan, kPeak});
    cues.push_back({"bun.wav", bun, kPeakSoft});
    cues.push_back({"pipon.wav", pipon, kPeak});
    cues.push_back({"chararan.wav", chararan, kPeak});

    for (const Cue &cue : cues) {
        const std::filesystem::path path = folder / cue.file;
        if (!writeWav(path, finish(cue.make(), cue.peak))) {
            std::cerr << "make_cues: cannot write " << path.string() << '\n';
            return 1;
        }
    }
    return 0;
}
