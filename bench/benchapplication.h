#pragma once

#include <QApplication>
#include <QCoreApplication>

#include <memory>

// The one application object of the benchmark run, made by whichever benchmark needs it first:
// Google Benchmark's own main makes none. A QApplication on the offscreen platform, so the mail
// run's timers, the whiteboard's fonts and the pages' widgets all work, whatever runs first.
inline std::unique_ptr<QApplication>& BenchApplicationHolder()
{
    static std::unique_ptr<QApplication> app;
    return app;
}

inline QCoreApplication& BenchApplication()
{
    if (QCoreApplication* existing = QCoreApplication::instance())
        return *existing;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillon-bench";
    static char* argv[] = {name, nullptr};
    BenchApplicationHolder() = std::make_unique<QApplication>(argc, argv);
    return *BenchApplicationHolder();
}

// Ends the application before the program's statics go: destroyed among them, after Qt's own
// globals, it crashed the run's exit.
inline void EndBenchApplication()
{
    BenchApplicationHolder().reset();
}
