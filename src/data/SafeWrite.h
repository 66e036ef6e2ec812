// Replacing a saved file without ever leaving it half-written.
#pragma once

#include <cstddef>
#include <cstdint>

// Writes the bytes to a temporary file beside path, forces them to the disk
// and renames the temporary over path. On any failure the old file stays as
// it was and the temporary is gone.
bool replaceFileSafely(const char* path, const uint8_t* bytes, size_t size);
