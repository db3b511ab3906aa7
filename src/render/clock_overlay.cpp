#include "render/clock_overlay.h"

#include <GL/gl.h>

#include <cstdio>
#include <ctime>

#include "app/settings.h"
#include "render/glyph_font.h"
#include "render/overlay_2d.h"

namespace {

std::string twoDigits(int value, const char* after)
{
    char text[16];
    std::snprintf(text, sizeof text, value < 10 ? "0%d%s" : "%d%s", value, after);
    return text;
}

void drawGlyphsAt(int x, int y, const std::string& text)
{
    begin2DFull();
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, glyphTexture);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_BLEND);
    drawGlyphText(x, y, text.c_str());
    end2DFull();
}

}  // namespace

ClockText clockText(int hours, int minutes, int seconds, bool hrs12)
{
    bool afterNoon = hours == 12;
    if (hrs12) {
        if (hours == 0) {
            hours = 12;
        } else if (hours > 12) {
            hours -= 12;
            afterNoon = true;
        }
    }
    std::string text = twoDigits(hours, ":") + twoDigits(minutes, ":") + twoDigits(seconds, "");
    if (hrs12)
        text += afterNoon ? "<" : ";";
    return {text, hrs12 ? 370 : 420};
}

std::string framesPerSecondText(int32_t value)
{
    return std::to_string(value);
}

void drawClock()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    ClockText clock = clockText(local.tm_hour, local.tm_min, local.tm_sec, settings.Hrs12);
    drawGlyphsAt(clock.x, 0, clock.text);
}

void drawFramesPerSecond(int32_t value)
{
    drawGlyphsAt(0, 540, framesPerSecondText(value));
}
