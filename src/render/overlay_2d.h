#pragma once
// The two flat drawing modes of the overlays. Each begin turns depth test and lighting off and
// pushes both matrices; its end pops them and turns depth test and lighting back on.

// Screen pixels inside the scene viewport: x 0..Width, y letterboxTop..letterboxBottom.
void begin2DPixels();
void end2DPixels();

// An 800 x 600 space over the whole window; the end restores the scene viewport.
void begin2DFull();
void end2DFull();
