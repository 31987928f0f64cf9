#pragma once

#include <QCoreApplication>
#include <QGuiApplication>

// The one application object of the benchmark run, made by whichever benchmark needs it first:
// Google Benchmark's own main makes none. A QGuiApplication on the offscreen platform, so both the
// timers of the mail run and the fonts of the whiteboard's text work, whatever runs first.
inline QCoreApplication& BenchApplication()
{
    if (QCoreApplication* existing = QCoreApplication::instance())
        return *existing;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillon-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}
