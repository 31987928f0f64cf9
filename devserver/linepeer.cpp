#include "devserver/linepeer.h"

#include "devserver/logger.h"

#include <QPointer>
#include <QTcpSocket>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

LinePeer::LinePeer(QTcpSocket* socket, QString name, Logger& log, QObject* parent)
    : QObject(parent), m_socket(socket), m_name(std::move(name)), m_log(log)
{
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

void LinePeer::Close()
{
    if (m_closing)
        return;
    m_closing = true;
    m_socket->disconnectFromHost();
}

void LinePeer::ReadAvailable()
{
    m_buffer.append(m_socket->readAll());
    // A handler may close the connection or free this object's parent's interest in it.
    const QPointer<LinePeer> alive(this);
    qsizetype start = 0;
    while (alive && !m_closing) {
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
