#pragma once
// The loading screen: its picture while content loads, then a six-second closing animation in
// which the picture and its glow widen and fade under a white veil.
#include "resources/texture.h"

constexpr float finaleSeconds = 6;

extern Texture loadingImage;      // "load.jpg"
extern Texture loadingGlowImage;  // "loadg.jpg"
extern float finaleTime;          // seconds of the closing animation drawn so far

void loadLoadingImages();

// One loading frame: the 256 x 296 picture centred on the cleared buffer.
void drawLoadingImage();

// One frame of the closing animation, seconds after the previous one.
void drawLoadingFinale(float seconds);
