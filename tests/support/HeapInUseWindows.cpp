#include "HeapInUse.h"

#include <malloc.h>

// The C runtime's heap, block by block: what is in use.
std::size_t HeapInUse() {
    std::size_t used = 0;
    _HEAPINFO block{};
    while (_heapwalk(&block) == _HEAPOK)
        if (block._useflag == _USEDENTRY)
            used += block._size;
    return used;
}
