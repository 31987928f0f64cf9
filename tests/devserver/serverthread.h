#pragma once

#include "devserver/devserver.h"

#include <QSemaphore>
#include <QString>
#include <QThread>

// The development server on its own thread and event loop, so that a test can talk to it with
// blocking sockets. Destroying it stops the server.
class ServerThread : public QThread
{
public:
    explicit ServerThread(Quillon::DevServer::DevServerOptions options);
    ~ServerThread() override;

    // Starts the server on free ports; false (with Error()) when it could not start.
    bool Begin();
    quint16 NamePort() const { return m_namePort; }
    quint16 CommPort() const { return m_commPort; }
    const QString& Error() const { return m_error; }

protected:
    void run() override;

private:
    Quillon::DevServer::DevServerOptions m_options;
    QSemaphore m_ready;
    quint16 m_namePort = 0;
    quint16 m_commPort = 0;
    QString m_error;
};
