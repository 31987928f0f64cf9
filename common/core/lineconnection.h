#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QTcpSocket;

namespace Quillon {

// A blocking line-oriented TCP client: the connection both programs use for the name server
// and the communication server. Lines end in LF when read (one CR before it is dropped) and
// are written with CR LF appended. Errors throw ConnectionError.
class TLineConnection
{
public:
    static constexpr int ConnectTimeoutMs = 5000;
    static constexpr int WriteTimeoutMs = 5000;
    static constexpr qsizetype MaxLineLength = 16 * 1024 * 1024;

    TLineConnection();
    ~TLineConnection();
    TLineConnection(const TLineConnection&) = delete;
    TLineConnection& operator=(const TLineConnection&) = delete;

    void SetHost(const QString& host) { m_host = host; }
    void SetPort(int port) { m_port = port; }
    const QString& Host() const { return m_host; }
    int Port() const { return m_port; }

    // Blocks until connected or ConnectTimeoutMs passed; throws on failure.
    void Connect();
    bool Connected() const;
    // One complete line, or empty when none arrived within the wait. Throws when the peer has
    // closed or broken the connection (after the complete lines already received), or when not
    // connected; afterwards Connected() is false. A line longer than MaxLineLength is dropped
    // whole and reading resumes after its LF.
    QByteArray ReadLn(int timeoutMs = 5);
    // Writes the line and CR LF, whole; throws on a dead connection (never raises SIGPIPE).
    void WriteLn(QByteArrayView line);
    void Disconnect();

private:
    bool takeLine(QByteArray& line);
    void pullAvailable();
    [[noreturn]] void fail(const QString& message);

    QString m_host;
    int m_port = 0;
    std::unique_ptr<QTcpSocket> m_socket;
    QByteArray m_buffer;       // received bytes not yet returned as lines
    bool m_discarding = false; // inside an over-long line, dropping up to its LF
};

} // namespace Quillon
