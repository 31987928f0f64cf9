#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A scripted server on a loopback port, driven by the test: it sends exact bytes and records the
// exact bytes the client writes. It runs on the test's thread and is served by its event loop.
class ScriptedPeer : public QObject
{
    Q_OBJECT

public:
    ScriptedPeer();
    quint16 Port() const { return m_server.serverPort(); }

    bool HasClient() const { return m_client != nullptr; }
    bool WaitForClient(int timeoutMs = 5000);
    // Sends raw bytes; SendLine appends CR LF.
    void Send(const QByteArray& bytes);
    void SendLine(const QByteArray& line);
    void CloseClient();
    // Stops accepting: a later connection attempt is refused.
    void StopListening() { m_server.close(); }

    // Everything the client wrote so far, and the same split into CR LF lines.
    const QByteArray& Received() const { return m_received; }
    QList<QByteArray> ReceivedLines() const;
    // Waits until at least `count` complete CR LF lines have arrived.
    bool WaitForLines(int count, int timeoutMs = 5000);
    int ConnectionCount() const { return m_connections; }

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    QByteArray m_received;
    int m_connections = 0;
};

// Header, then "$$$" before every field: one protocol line without its line end.
QByteArray Packet(const QList<QByteArray>& fields);
