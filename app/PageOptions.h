#pragma once

// Where the program runs in a web page, takes what the page's address asks for: "?seed=N" fixes
// the seed of every drill, so that a class (or a test) gets the same questions every time.
// Elsewhere this does nothing.
void ApplyPageOptions();
