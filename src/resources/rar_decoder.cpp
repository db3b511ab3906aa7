#include "resources/rar_decoder.h"

#include "resources/archive_state.h"

void unpackBeginCall() {}

void unpackEntry(uint8_t*) { extraction.unpackedLeft = -1; }
