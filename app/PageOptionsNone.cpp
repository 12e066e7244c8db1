#include "PageOptions.h"

// A desktop program takes no arguments.
void ApplyPageOptions() {}
