#pragma once

#include "Appearance.h"

#include <QApplication>
#include <gtest/gtest.h>

// Runs the test program's tests headless in an application of the given kind, with the
// program's look.
template <typename Application = QApplication> int RunTests(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    SetUpAppearance();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
