#pragma once
// ui_tests links gtest_main, so the widget tests make the application themselves, once.

#include <QApplication>

inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}
