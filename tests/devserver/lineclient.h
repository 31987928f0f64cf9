#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpSocket>

// A blocking test client: writes protocol lines built with the shared codec and reads the
// server's lines raw, line end included, so tests compare them byte for byte.
class LineClient
{
public:
    bool Connect(quint16 port);
    // Header, "$$$" before every field, CR LF.
    void Send(const QList<QByteArray>& fields);
    void SendRaw(const QByteArray& bytes);
    // The next line with its CR LF; empty when none came within the wait.
    QByteArray ReadLine(int timeoutMs = 5000);
    // True when nothing arrives within the wait.
    bool Silent(int waitMs = 300);
    // True when the server closed the connection (after any lines still to read).
    bool WaitForClose(int timeoutMs = 5000);

private:
    QTcpSocket m_socket;
    QByteArray m_buffer;
};

// A whole server line as it must arrive: header, "$$$" before every field, CR LF.
QByteArray Line(const QList<QByteArray>& fields);
