// Start to the login dialog shown, each program as a whole process on the offscreen platform,
// beside a bare Qt Widgets program showing one dialog. The preloaded probe (startprobe.cpp) ends
// each process when the dialog is first painted. The size is the number of processes started one
// after another in one iteration.
#include "bench/benchtable.h"

#include <QProcess>
#include <QString>

namespace {

// "" when the dialog was shown; otherwise what went wrong.
std::string StartUntilShown(const char* program, bool& webEngineLoaded)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QUILLON_PROBE_WINDOW"), QStringLiteral("Form_Login"));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUILLON_START_PROBE));
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.start(QString::fromLocal8Bit(program), {});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return "the login dialog was not shown within 30 s";
    }
    const QByteArray out = process.readAllStandardOutput();
    if (!out.contains("shown"))
        return "the program ended without showing the login dialog";
    webEngineLoaded = webEngineLoaded || out.contains("webengine=1");
    return {};
}

void Start(benchmark::State& state, const char* program)
{
    bool webEngineLoaded = false;
    for (auto _ : state) {
        for (std::int64_t i = 0; i < state.range(0); ++i) {
            if (const std::string error = StartUntilShown(program, webEngineLoaded); !error.empty()) {
                state.SkipWithError(error.c_str());
                return;
            }
        }
    }
    if (webEngineLoaded)
        state.SetLabel("web engine loaded before the login dialog");
}

const bool registered = [] {
    using QuillonBench::RegisterRow;
    const QuillonBench::TRowTiming timing{benchmark::kMillisecond, 3};
    const auto floor = [](benchmark::State& s) { Start(s, QUILLON_START_FLOOR); };
    RegisterRow(
        "Brivane start to login dialog (starts)", 1.3, {1, 2, 4},
        [](benchmark::State& s) { Start(s, QUILLON_BRIVANE); }, floor, timing);
    RegisterRow(
        "Cortelle start to login dialog (starts)", 1.3, {1, 2, 4},
        [](benchmark::State& s) { Start(s, QUILLON_CORTELLE); }, floor, timing);
    return true;
}();

} // namespace
