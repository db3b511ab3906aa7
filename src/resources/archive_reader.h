#pragma once
// Finds one named entry of a RAR 1.5-2.0 archive and returns its bytes.
#include <cstdint>

// 1 on success: *data is a new[] buffer of *size bytes the caller frees with delete[].
// 0 on any failure (missing or unrecognised archive, no such entry, unsupported unpack version,
// CRC mismatch): *data is null and *size is 0. Not reentrant.
int extractFile(const char* wantedName, const char* archivePath, uint8_t** data, uint32_t* size);

// True when the two entry names are the same under the archive's rules: letters compare
// regardless of case, and backslash, slash and underscore count as one character.
bool entryNamesMatch(const char* a, uint32_t aLength, const char* b, uint32_t bLength);
