#pragma once
// Object files: a world's objects read block by block. Until the object kinds exist, a read loads
// the shared sphere geometry, as every read begins, and counts the file as one object read.

// Loads "meshes\env.dat" and "meshes\sphere.dat" into their slots, then reads fileName.
void readObjectFile(const char* fileName);
