#pragma once

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: the input as wire bytes, a property check that stops the run
// with a crash report (libFuzzer then keeps the input), and the Qt application object.
namespace Quillon::Fuzz {

inline QByteArray Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline void Require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

// The input cut at every LF: several lines of a session, or several records, from one input.
inline QList<QByteArray> InputLines(const QByteArray& input)
{
    return input.split('\n');
}

// libFuzzer owns main(), so the application object lives in a static for the whole process.
// Call from LLVMFuzzerInitialize; widgets and fonts then work on the offscreen platform.
template <class Application> void StartApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static Application application(argc, argv);
}

} // namespace Quillon::Fuzz
