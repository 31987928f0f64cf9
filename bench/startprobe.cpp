// Preloaded into a program started by the start-up benchmark (LD_PRELOAD): when the top-level
// widget named in QUILLON_PROBE_WINDOW is first painted, it prints "shown", whether the web engine
// is mapped into the process by then, and ends the process at once. The program itself carries no
// switch for this; the hook runs only where the benchmark preloads it.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

bool WebEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

class ShownProbe final : public QObject
{
public:
    explicit ShownProbe(QByteArray window) : m_window(std::move(window)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow() && watched->objectName().toLatin1() == m_window) {
            std::printf("shown webengine=%d\n", WebEngineMapped() ? 1 : 0);
            std::fflush(stdout);
            _exit(0);
        }
        return false;
    }

private:
    QByteArray m_window;
};

void InstallProbe()
{
    const QByteArray window = qgetenv("QUILLON_PROBE_WINDOW");
    if (!window.isEmpty())
        QCoreApplication::instance()->installEventFilter(new ShownProbe(window));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
