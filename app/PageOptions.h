#pragma once

// Takes what the user asks of every drill: in a web page the address's "?seed=N", on the
// desktop the environment variable RADIXTREK_SEED=N. Either fixes the seed of every drill, so
// that a class (or a test) gets the same questions every time.
void ApplyPageOptions();
