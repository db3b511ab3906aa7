#pragma once
// The running show's clock and frames-per-second count, drawn with the glyph font.
#include <cstdint>
#include <string>

struct ClockText {
    std::string text;  // glyph characters: digits, ":" and in 12-hour form ";" or "<"
    int x;             // left edge in the 800 x 600 space
};

// The clock for hours, minutes and seconds of a day; the 12-hour form ends in the day-half marker.
ClockText clockText(int hours, int minutes, int seconds, bool hrs12);
std::string framesPerSecondText(int32_t value);

// At the bottom edge, in the form the Hrs12 setting chooses, for the local time.
void drawClock();
// At the top left.
void drawFramesPerSecond(int32_t value);
