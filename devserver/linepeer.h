#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;

namespace Quillon::DevServer {

class Logger;

// One accepted connection read and written by lines, without blocking: lines end in LF when
// read (one CR before it dropped) and are written with CR LF. A line longer than
// MaxLineLength is dropped whole, so a peer cannot make the server hold unbounded memory.
class LinePeer : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype MaxLineLength = 1024 * 1024;

    // Takes the socket over (it becomes a child of this object).
    LinePeer(QTcpSocket* socket, QString name, Logger& log, QObject* parent = nullptr);
    ~LinePeer() override;

    const QString& Name() const { return m_name; }
    Logger& Log() const { return m_log; }

    // Logs and writes the line followed by CR LF.
    void Send(const QByteArray& line);
    // Closes once everything written has gone out; no further line is reported.
    void Close();
    bool Closing() const { return m_closing; }

Q_SIGNALS:
    void LineReceived(const QByteArray& line);
    // The connection has ended, either side having closed it.
    void Closed();

private:
    void ReadAvailable();

    QTcpSocket* m_socket;
    QString m_name;
    Logger& m_log;
    QByteArray m_buffer;
    bool m_discarding = false; // inside an over-long line, dropping up to its LF
    bool m_closing = false;
};

} // namespace Quillon::DevServer
