#include "content/ambient_piece.h"

#include <algorithm>
#include <cmath>

#include "content/loop_reverb.h"
#include "content/noise.h"
#include "content/wavetable.h"

namespace content {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Chord {
    int bass;      // MIDI note
    int pads[5];   // MIDI notes
};

// A slow turn round D major: Dmaj9, Bm9, Gmaj9, Asus2, F#m7, Gmaj7#11, Em9, Asus4.
const Chord kProgression[8] = {
    {38, {57, 62, 66, 69, 76}}, {35, {54, 59, 62, 69, 73}}, {31, {55, 59, 66, 69, 74}},
    {33, {57, 64, 69, 71, 76}}, {42, {57, 61, 64, 69, 73}}, {31, {59, 62, 66, 73, 78}},
    {40, {55, 62, 66, 71, 74}}, {33, {57, 62, 64, 69, 74}},
};

double noteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

// Raised-cosine rise from 0 to 1 over [0, length).
double rise(double t, double length) {
    if (t <= 0.0) return 0.0;
    if (t >= length) return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * t / length);
}

// The loop as a circle of frames: every sound adds into it at its onset, modulo the length.
class LoopMix {
public:
    LoopMix(long frames) : left(frames, 0.0f), right(frames, 0.0f), sendLeft(frames, 0.0f), sendRight(frames, 0.0f) {}
    long frames() const { return static_cast<long>(left.size()); }
    long wrap(long frame) const { return ((frame % frames()) + frames()) % frames(); }

    std::vector<float> left, right;          // heard directly
    std::vector<float> sendLeft, sendRight;  // fed to the reverb
};

// Timing of one chord's notes: they swell in before the chord starts and die away after it ends.
struct NoteSpan {
    long onset;
    long frames;
    double attack, hold, release;  // seconds
};

constexpr double kLead = 1.5, kAttack = 4.5, kRelease = 6.0;

NoteSpan chordSpan(const PieceShape& shape, int chord) {
    double start = chord * shape.chordSeconds - kLead;
    double hold = shape.chordSeconds + kLead - kAttack;
    NoteSpan span{static_cast<long>(std::lround(start * shape.sampleRate)), 0, kAttack, std::max(0.0, hold), kRelease};
    span.frames = static_cast<long>((span.attack + span.hold + span.release) * shape.sampleRate);
    return span;
}

double envelope(const NoteSpan& span, double t) {
    double fadeIn = rise(t, span.attack);
    double fadeOut = 1.0 - rise(t - span.attack - span.hold, span.release);
    return fadeIn * fadeOut;
}

// One pad note: three slightly detuned soft-saw voices spread across the stereo field, through
// a two-pole low-pass whose cutoff breathes with a slow sweep that is periodic in the loop.
void addPad(LoopMix& mix, const PieceShape& shape, const NoteSpan& span, double midi, double pan, Random& random) {
    const Wavetable& saw = Wavetable::softSaw();
    const double detune[3] = {-0.07, 0.0, 0.07};
    const double spread[3] = {-0.5, 0.0, 0.5};
    double phase[3], step[3];
    for (int v = 0; v < 3; ++v) {
        phase[v] = random.fraction();
        step[v] = noteHz(midi + detune[v]) / shape.sampleRate;
    }
    double level = 0.055 * std::pow(0.985, midi - 57.0);
    double lowA = 0.0, lowB = 0.0, lowC = 0.0, lowD = 0.0, coefficient = 0.1;
    for (long i = 0; i < span.frames; ++i) {
        long at = mix.wrap(span.onset + i);
        if ((i & 63) == 0) {
            double sweep = 0.5 + 0.5 * std::sin(2.0 * kPi * 2.0 * at / mix.frames());
            double cutoff = 700.0 + 1600.0 * sweep + 3.0 * noteHz(midi);
            coefficient = 1.0 - std::exp(-2.0 * kPi * cutoff / shape.sampleRate);
        }
        double l = 0.0, r = 0.0;
        for (int v = 0; v < 3; ++v) {
            double s = saw.at(phase[v]);
            phase[v] += step[v];
            if (phase[v] >= 1.0) phase[v] -= 1.0;
            double p = std::clamp(pan + spread[v], -1.0, 1.0);
            l += s * (1.0 - p) * 0.5;
            r += s * (1.0 + p) * 0.5;
        }
        lowA += coefficient * (l - lowA);
        lowB += coefficient * (lowA - lowB);
        lowC += coefficient * (r - lowC);
        lowD += coefficient * (lowC - lowD);
        double gain = level * envelope(span, static_cast<double>(i) / shape.sampleRate);
        mix.left[at] += static_cast<float>(lowB * gain);
        mix.right[at] += static_cast<float>(lowD * gain);
        mix.sendLeft[at] += static_cast<float>(lowB * gain * 0.6);
        mix.sendRight[at] += static_cast<float>(lowD * gain * 0.6);
    }
}

// The bass: a sine with a touch of its octave, in the middle.
void addBass(LoopMix& mix, const PieceShape& shape, const NoteSpan& span, double midi) {
    const Wavetable& sine = Wavetable::sine();
    double step = noteHz(midi) / shape.sampleRate, phase = 0.0;
    for (long i = 0; i < span.frames; ++i) {
        long at = mix.wrap(span.onset + i);
        double s = sine.at(phase) + 0.25 * sine.at(std::fmod(2.0 * phase, 1.0));
        phase += step;
        if (phase >= 1.0) phase -= 1.0;
        float value = static_cast<float>(s * 0.07 * envelope(span, static_cast<double>(i) / shape.sampleRate));
        mix.left[at] += value;
        mix.right[at] += value;
    }
}

// A bell-like shimmer: a soft strike with two inharmonic partials that die faster, mostly heard
// through the reverb.
void addShimmer(LoopMix& mix, const PieceShape& shape, long onset, double midi, double pan) {
    const Wavetable& sine = Wavetable::sine();
    constexpr double kSeconds = 7.0, kDecay = 1.6;
    long frames = static_cast<long>(kSeconds * shape.sampleRate);
    const double ratio[3] = {1.0, 2.76, 5.4}, weight[3] = {1.0, 0.28, 0.08}, decay[3] = {1.0, 2.2, 4.0};
    double phase[3] = {0.0, 0.0, 0.0}, step[3];
    for (int k = 0; k < 3; ++k) step[k] = noteHz(midi) * ratio[k] / shape.sampleRate;
    for (long i = 0; i < frames; ++i) {
        double t = static_cast<double>(i) / shape.sampleRate;
        double gate = rise(t, 0.03) * (1.0 - rise(t - (kSeconds - 1.0), 1.0));
        double s = 0.0;
        for (int k = 0; k < 3; ++k) {
            s += weight[k] * std::exp(-t * decay[k] / kDecay) * sine.at(phase[k]);
            phase[k] += step[k];
            phase[k] -= std::floor(phase[k]);
        }
        s *= 0.09 * gate;
        long at = mix.wrap(onset + i);
        float l = static_cast<float>(s * (1.0 - pan) * 0.5), r = static_cast<float>(s * (1.0 + pan) * 0.5);
        mix.left[at] += 0.5f * l;
        mix.right[at] += 0.5f * r;
        mix.sendLeft[at] += l;
        mix.sendRight[at] += r;
    }
}

} // namespace

long loopFrames(const PieceShape& shape) {
    return std::lround(shape.chordCount * shape.chordSeconds * shape.sampleRate);
}

StereoBuffer renderPiece(const PieceShape& shape) {
    LoopMix mix(loopFrames(shape));
    Random random(0x56414Eu);
    int chords = std::clamp(shape.chordCount, 1, 8);
    for (int c = 0; c < chords; ++c) {
        const Chord& chord = kProgression[c];
        NoteSpan span = chordSpan(shape, c);
        addBass(mix, shape, span, chord.bass);
        for (int n = 0; n < 5; ++n) addPad(mix, shape, span, chord.pads[n], -0.6 + 0.3 * n, random);
        // A few shimmers per chord, at unhurried random moments, an octave or two up.
        int shimmers = std::max(1, static_cast<int>(shape.chordSeconds / 2.5));
        for (int s = 0; s < shimmers; ++s) {
            double when = (c + random.fraction()) * shape.chordSeconds;
            int note = chord.pads[random.next() % 5] + 12 * (1 + static_cast<int>(random.next() % 2));
            while (note > 90) note -= 12;
            addShimmer(mix, shape, std::lround(when * shape.sampleRate), note, random.fraction() * 1.6 - 0.8);
        }
    }

    StereoBuffer wet = loopReverb(mix.sendLeft, mix.sendRight, shape.sampleRate);
    StereoBuffer out;
    out.left.resize(mix.left.size());
    out.right.resize(mix.right.size());
    float peak = 1e-6f;
    for (size_t i = 0; i < out.left.size(); ++i) {
        out.left[i] = mix.left[i] + 0.8f * wet.left[i];
        out.right[i] = mix.right[i] + 0.8f * wet.right[i];
        peak = std::max({peak, std::abs(out.left[i]), std::abs(out.right[i])});
    }
    // Headroom below full scale, so the lossy coder's ripples never clip.
    float gain = 0.6f / peak;
    for (size_t i = 0; i < out.left.size(); ++i) {
        out.left[i] *= gain;
        out.right[i] *= gain;
    }
    return out;
}

} // namespace content
