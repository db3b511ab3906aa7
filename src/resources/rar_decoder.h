#pragma once
// The RAR 2.0 decompressor (LZ77 over a 1 MiB window plus the audio mode).
// It works on the module-wide extraction state of the archive reader.
#include <cstdint>

constexpr uint32_t rarWindowSize = 1u << 20;

// Called once at the start of every extractFile call: the first entry decoded in the call starts
// from scratch whatever its flags say. The window must be the same buffer on every call.
void unpackBeginCall();

// Decodes the current entry from its data area. Delivers into the output only when found is set.
void unpackEntry(uint8_t* window);
