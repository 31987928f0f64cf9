#include "tests/support/scriptedpeer.h"

#include <QTest>

ScriptedPeer::ScriptedPeer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            ++m_connections;
            socket->setParent(this);
            m_client = socket;
            connect(socket, &QTcpSocket::readyRead, this,
                    [this, socket] { m_received += socket->readAll(); });
        }
    });
}

bool ScriptedPeer::WaitForClient(int timeoutMs)
{
    return QTest::qWaitFor([this] { return HasClient(); }, timeoutMs);
}

void ScriptedPeer::Send(const QByteArray& bytes)
{
    if (!m_client)
        return;
    m_client->write(bytes);
    m_client->flush();
}

void ScriptedPeer::SendLine(const QByteArray& line)
{
    Send(line + "\r\n");
}

void ScriptedPeer::CloseClient()
{
    if (m_client) {
        m_client->flush();
        m_client->disconnectFromHost();
    }
}

QList<QByteArray> ScriptedPeer::ReceivedLines() const
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype end = m_received.indexOf("\r\n"); end >= 0; end = m_received.indexOf("\r\n", start)) {
        lines << m_received.mid(start, end - start);
        start = end + 2;
    }
    return lines;
}

bool ScriptedPeer::WaitForLines(int count, int timeoutMs)
{
    return QTest::qWaitFor([this, count] { return ReceivedLines().size() >= count; }, timeoutMs);
}

QByteArray Packet(const QList<QByteArray>& fields)
{
    QByteArray line("\xC2\xC3\xC4", 3);
    for (const QByteArray& field : fields)
        line += "$$$" + field;
    return line;
}
