#pragma once

#include <QObject>

class QSocketNotifier;

namespace Quillon::DevServer {

// Turns SIGINT and SIGTERM into a Qt signal on the event loop. The handler only writes the
// signal number into a pipe (all a handler may safely do); a notifier reads it back.
// One watcher at a time; the old handlers come back when it is destroyed.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

Q_SIGNALS:
    void Signalled(int signalNumber);

private:
    void ReadPipe();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace Quillon::DevServer
