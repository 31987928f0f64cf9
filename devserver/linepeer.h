#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

namespace Quillon::DevServer {

class Logger;

// One accepted connection read and written by lines, without blocking: lines end in LF when
// read (one CR before it dropped) and are written with CR LF. A line longer than
// MaxLineLength is dropped whole, so a peer cannot make the server hold unbounded memory.
// Nor can a peer that sends without reading the answers: once more than MaxUnsentBytes of
// answers wait to go out, no further line is read (the peer's lines wait in its own connection)
// until the peer has read them down to half; a peer that reads nothing for StalledMs then is
// dropped.
class LinePeer : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype MaxLineLength = 1024 * 1024;
    static constexpr qint64 MaxUnsentBytes = 1024 * 1024;
    static constexpr int DefaultStalledMs = 30000;

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
    // Answers written but not yet gone out to the peer.
    qint64 UnsentBytes() const;
    void SetStalledMs(int ms);

Q_SIGNALS:
    void LineReceived(const QByteArray& line);
    // The connection has ended, either side having closed it.
    void Closed();

private:
    void ReadAvailable();
    void HandleBufferedLines();
    void AnswersWritten();

    QTcpSocket* m_socket;
    QString m_name;
    Logger& m_log;
    QByteArray m_buffer;
    bool m_discarding = false; // inside an over-long line, dropping up to its LF
    bool m_closing = false;
    bool m_holding = false; // too many unsent answers: reading waits
    QTimer* m_stalled;      // runs while holding; restarted whenever the peer takes answers
};

} // namespace Quillon::DevServer
