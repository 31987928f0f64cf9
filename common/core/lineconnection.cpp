#include "common/core/lineconnection.h"

#include "common/core/error.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Quillon {

namespace {

// What the socket may hold before we take it over; a longer line collects in our own buffer.
constexpr qint64 SocketReadBufferSize = 1024 * 1024;

// The socket is no longer connected: the peer closed it, or it broke with its own error.
QString ClosedMessage(const QTcpSocket& socket)
{
    switch (socket.error()) {
    case QAbstractSocket::RemoteHostClosedError:
    case QAbstractSocket::SocketTimeoutError: // left over from an earlier wait
    case QAbstractSocket::UnknownSocketError:
        return u"Connection Closed Gracefully."_s;
    default:
        return socket.errorString();
    }
}

} // namespace

TLineConnection::TLineConnection() = default;

TLineConnection::~TLineConnection() = default;

void TLineConnection::Connect()
{
    Disconnect();
    if (m_host.trimmed().isEmpty())
        throw ConnectionError(u"No host given to connect to."_s);
    if (m_port < 1 || m_port > 65535)
        throw ConnectionError(u"%1 is not a valid port number."_s.arg(m_port));
    auto socket = std::make_unique<QTcpSocket>();
    socket->setReadBufferSize(SocketReadBufferSize);
    socket->connectToHost(m_host, static_cast<quint16>(m_port));
    if (!socket->waitForConnected(ConnectTimeoutMs)) {
        const QString message = socket->errorString();
        socket->abort();
        throw ConnectionError(message);
    }
    m_socket = std::move(socket);
}

bool TLineConnection::Connected() const
{
    return m_socket != nullptr;
}

QByteArray TLineConnection::ReadLn(int timeoutMs)
{
    if (!m_socket)
        throw ConnectionError(u"Not Connected"_s);
    QByteArray line;
    if (takeLine(line))
        return line;
    const QDeadlineTimer deadline(std::max(timeoutMs, 0));
    for (;;) {
        pullAvailable();
        if (takeLine(line))
            return line;
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            fail(ClosedMessage(*m_socket));
        if (deadline.hasExpired())
            return QByteArray();
        m_socket->waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    }
}

void TLineConnection::WriteLn(QByteArrayView line)
{
    if (!m_socket)
        throw ConnectionError(u"Not Connected"_s);
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        fail(ClosedMessage(*m_socket));
    QByteArray data;
    data.reserve(line.size() + 2);
    data.append(line).append("\r\n");
    if (m_socket->write(data) != data.size())
        fail(m_socket->errorString());
    while (m_socket->bytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(WriteTimeoutMs))
            fail(m_socket->state() == QAbstractSocket::ConnectedState ? m_socket->errorString()
                                                                      : ClosedMessage(*m_socket));
    }
}

void TLineConnection::Disconnect()
{
    if (m_socket) {
        m_socket->disconnectFromHost();
        m_socket->abort();
        m_socket.reset();
    }
    m_buffer.clear();
    m_discarding = false;
}

bool TLineConnection::takeLine(QByteArray& line)
{
    for (;;) {
        const qsizetype end = m_buffer.indexOf('\n');
        if (end < 0)
            return false;
        qsizetype length = end;
        if (length > 0 && m_buffer[length - 1] == '\r')
            --length;
        if (length <= MaxLineLength) {
            line = m_buffer.left(length);
            m_buffer.remove(0, end + 1);
            return true;
        }
        m_buffer.remove(0, end + 1);
    }
}

void TLineConnection::pullAvailable()
{
    QByteArray chunk = m_socket->readAll();
    if (m_discarding) {
        const qsizetype end = chunk.indexOf('\n');
        if (end < 0)
            return;
        chunk.remove(0, end + 1);
        m_discarding = false;
    }
    m_buffer.append(chunk);
    // Longer than any line may be (its CR aside) and still no line end: drop what is there
    // and the rest of the line as it comes. Earlier lines were taken before this pull.
    if (m_buffer.size() > MaxLineLength + 1 && !chunk.contains('\n')) {
        m_buffer.clear();
        m_discarding = true;
    }
}

void TLineConnection::fail(const QString& message)
{
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
    m_buffer.clear();
    m_discarding = false;
    throw ConnectionError(message);
}

} // namespace Quillon
