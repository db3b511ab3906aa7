#pragma once
// What a drawing call sends down the pipeline, seen through GL feedback mode (GL_3D_COLOR_TEXTURE).
// The capture projects object (x, y) to window (400 + 100 x, 300 + 100 y) on the 800 x 600 fixture.
#include <GL/gl.h>

#include <functional>
#include <vector>

struct FeedbackCorner {
    float x, y, z;     // window coordinates
    float colour[4];   // after lighting
    float texture[4];  // unit 0 only
};

using FeedbackPolygon = std::vector<FeedbackCorner>;

struct FeedbackOptions {
    // Light straight down -z with white diffuse light and no ambient: a corner's red value is then
    // the z component of its unit normal (0 when it faces away).
    bool litFromFront = false;
    bool cullBackFaces = false;
    // Leave viewport and matrices as the caller set them (window coordinates then follow them).
    bool keepTransforms = false;
};

// The smallest rectangle round a set of corners, with the first corner's colour.
struct FeedbackBox {
    float left, bottom, right, top;
    float colour[4];
};
FeedbackBox boxAround(const std::vector<FeedbackPolygon>& polygons);

std::vector<FeedbackPolygon> captureFeedback(const std::function<void()>& draw, FeedbackOptions options = {});

// Window position of object coordinates (x, y) under captureFeedback's projection.
inline float windowX(float x) { return 400 + 100 * x; }
inline float windowY(float y) { return 300 + 100 * y; }
