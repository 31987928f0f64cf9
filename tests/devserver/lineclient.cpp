#include "tests/devserver/lineclient.h"

#include "common/core/wire.h"

#include <QDeadlineTimer>

bool LineClient::Connect(quint16 port)
{
    m_socket.connectToHost(QHostAddress::LocalHost, port);
    return m_socket.waitForConnected(5000);
}

void LineClient::Send(const QList<QByteArray>& fields)
{
    SendRaw(Quillon::BuildPacket(Quillon::JoinFields(fields)) + "\r\n");
}

void LineClient::SendRaw(const QByteArray& bytes)
{
    m_socket.write(bytes);
    while (m_socket.bytesToWrite() > 0 && m_socket.waitForBytesWritten(5000)) {
    }
}

QByteArray LineClient::ReadLine(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    qsizetype lf;
    while ((lf = m_buffer.indexOf('\n')) < 0) {
        if (deadline.hasExpired() || m_socket.state() != QAbstractSocket::ConnectedState ||
            !m_socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            m_buffer.append(m_socket.readAll());
            if ((lf = m_buffer.indexOf('\n')) >= 0)
                break;
            return QByteArray();
        }
        m_buffer.append(m_socket.readAll());
    }
    const QByteArray line = m_buffer.left(lf + 1);
    m_buffer.remove(0, lf + 1);
    return line;
}

bool LineClient::Silent(int waitMs)
{
    if (!m_buffer.isEmpty())
        return false;
    if (m_socket.bytesAvailable() == 0)
        m_socket.waitForReadyRead(waitMs);
    return m_socket.bytesAvailable() == 0;
}

bool LineClient::WaitForClose(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (m_socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        m_socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        m_buffer.append(m_socket.readAll());
    }
    return m_socket.state() != QAbstractSocket::ConnectedState;
}

QByteArray Line(const QList<QByteArray>& fields)
{
    return Quillon::BuildPacket(Quillon::JoinFields(fields)) + "\r\n";
}
