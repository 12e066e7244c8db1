#pragma once

#include <cstddef>

// Bytes the program holds on the heap right now; each platform counts in its own file.
std::size_t HeapInUse();
