// The program: the entry sequence does everything.
#include "app/entry.h"

int main(int argc, char** argv) { return runEntry(argc, argv); }
