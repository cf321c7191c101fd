#pragma once

#include <QTest>

#include "Modal.h"
#include "app/Application.h"

// Runs a Qt test class inside the program's own application object, titled as at start-up.
#define SORIKA_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char** argv) {                                                          \
        TApplication application(argv[0]);                                                     \
        application.SetTitle("ソリカ");                                                        \
        TestClass test;                                                                        \
        return QTest::qExec(&test, argc, argv);                                                \
    }

// No window of one test may outlive it.
#define SORIKA_VERIFY_NO_WINDOWS_LEFT() QTRY_VERIFY_WITH_TIMEOUT(NoWindowShown(), 2000)
