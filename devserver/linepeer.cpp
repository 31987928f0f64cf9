#include "devserver/linepeer.h"

#include "devserver/logger.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

LinePeer::LinePeer(QTcpSocket* socket, QString name, Logger& log, QObject* parent)
    : QObject(parent), m_socket(socket), m_name(std::move(name)), m_log(log), m_stalled(new QTimer(this))
{
    m_stalled->setSingleShot(true);
    m_stalled->setInterval(DefaultStalledMs);
    connect(m_stalled, &QTimer::timeout, this, [this] {
        m_log.Info(
            m_name,
            u"dropped: %1 bytes of answers unread for %2 ms"_s.arg(UnsentBytes()).arg(m_stalled->interval()));
        m_closing = true;
        m_buffer.clear();
        m_socket->abort();
    });
    connect(m_socket, &QTcpSocket::bytesWritten, this, &LinePeer::AnswersWritten);
    m_socket->setParent(this);
    // Bounds what Qt itself buffers; ReadAvailable bounds the rest.
    m_socket->setReadBufferSize(256 * 1024);
    connect(m_socket, &QTcpSocket::readyRead, this, &LinePeer::ReadAvailable);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        m_log.Info(m_name, u"connection closed"_s);
        Q_EMIT Closed();
    });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::RemoteHostClosedError)
            m_log.Info(m_name, u"socket error: "_s + m_socket->errorString());
    });
}

LinePeer::~LinePeer()
{
    m_socket->disconnect(this);
    m_socket->abort();
}

void LinePeer::Send(const QByteArray& line)
{
    if (m_closing || m_socket->state() != QAbstractSocket::ConnectedState) {
        m_log.Detail(m_name, u"not sent, connection closing: "_s + Logger::Describe(line));
        return;
    }
    m_log.Message(m_name, false, line);
    m_socket->write(line + "\r\n");
}

qint64 LinePeer::UnsentBytes() const
{
    return m_socket->bytesToWrite();
}

void LinePeer::SetStalledMs(int ms)
{
    m_stalled->setInterval(ms);
}

void LinePeer::AnswersWritten()
{
    if (!m_holding)
        return;
    if (UnsentBytes() > MaxUnsentBytes / 2) {
        m_stalled->start(); // the peer reads, slowly: it is not stalled
        return;
    }
    m_holding = false;
    m_stalled->stop();
    ReadAvailable();
}

void LinePeer::Close()
{
    if (m_closing)
        return;
    m_closing = true;
    m_socket->disconnectFromHost();
}

void LinePeer::ReadAvailable()
{
    if (m_holding)
        return; // the socket keeps what came; the peer's further lines wait on its side
    m_buffer.append(m_socket->readAll());
    HandleBufferedLines();
}

void LinePeer::HandleBufferedLines()
{
    // A handler may close the connection or free this object's parent's interest in it.
    const QPointer<LinePeer> alive(this);
    qsizetype start = 0;
    while (alive && !m_closing) {
        if (UnsentBytes() > MaxUnsentBytes) {
            m_holding = true;
            m_stalled->start();
            break;
        }
        const qsizetype lf = m_buffer.indexOf('\n', start);
        if (lf < 0)
            break;
        const qsizetype length = lf - start;
        if (m_discarding || length > MaxLineLength) {
            if (!m_discarding)
                m_log.Info(m_name, u"dropped a line of %1 bytes (over %2)"_s.arg(length).arg(MaxLineLength));
            m_discarding = false;
            start = lf + 1;
            continue;
        }
        QByteArray line = m_buffer.mid(start, length);
        start = lf + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        Q_EMIT LineReceived(line);
    }
    if (!alive)
        return;
    m_buffer.remove(0, start);
    if (m_holding)
        return; // the lines left in the buffer are handled when the peer has read
    if (m_buffer.size() > MaxLineLength) {
        if (!m_discarding)
            m_log.Info(m_name, u"dropping a line longer than %1 bytes"_s.arg(MaxLineLength));
        m_discarding = true;
        m_buffer.clear();
    }
    if (m_closing)
        m_buffer.clear();
}

} // namespace Quillon::DevServer
