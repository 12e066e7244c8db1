#include "HeapInUse.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's own count; GCC ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();

std::size_t HeapInUse() { return __sanitizer_get_current_allocated_bytes(); }
#else
#include <malloc.h>

std::size_t HeapInUse() { return mallinfo2().uordblks; }
#endif
