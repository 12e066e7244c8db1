#pragma once

#include <gtest/gtest.h>

// Skips the rest of a test on Windows, with the reason, where what it checks cannot hold there;
// the test runs in full everywhere else.
#ifdef _WIN32
#define SKIP_ON_WINDOWS(reason) GTEST_SKIP() << "Windows: " << reason
#else
#define SKIP_ON_WINDOWS(reason) static_cast<void>(0)
#endif
