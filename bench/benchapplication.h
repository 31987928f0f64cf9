#pragma once

#include <QApplication>
#include <QCoreApplication>

// The one application object of the benchmark run, made by whichever benchmark needs it first:
// Google Benchmark's own main makes none. A QApplication on the offscreen platform, so the mail
// run's timers, the whiteboard's fonts and the pages' widgets all work, whatever runs first.
inline QCoreApplication& BenchApplication()
{
    if (QCoreApplication* existing = QCoreApplication::instance())
        return *existing;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillon-bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
