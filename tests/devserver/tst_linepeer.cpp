// A client that sends lines without reading the answers, against one LinePeer over loopback.
#include "devserver/linepeer.h"
#include "devserver/logger.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace Quillon::DevServer;

namespace {

constexpr int Lines = 20000;
const QByteArray Answer(1024, 'a'); // 20 MiB of answers in all, far over the bound

} // namespace

class TestLinePeer : public QObject
{
    Q_OBJECT

    Logger m_log;
    QTcpServer m_server;
    QTcpSocket m_client;
    LinePeer* m_peer = nullptr;
    qint64 m_mostUnsent = 0;

    // Connects a client that takes in at most a small buffer on its own, so it reads only when
    // the test does; every line it sends is answered with its number and a KiB.
    void connectClient()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        m_client.setReadBufferSize(64 * 1024);
        m_client.connectToHost(QHostAddress::LocalHost, m_server.serverPort());
        QVERIFY(m_server.waitForNewConnection(5000));
        m_peer = new LinePeer(m_server.nextPendingConnection(), QStringLiteral("client"), m_log, this);
        connect(m_peer, &LinePeer::LineReceived, this, [this](const QByteArray& line) {
            m_peer->Send(line + ' ' + Answer);
            m_mostUnsent = std::max(m_mostUnsent, m_peer->UnsentBytes());
        });
        QTRY_COMPARE(m_client.state(), QAbstractSocket::ConnectedState);
        QByteArray lines;
        for (int i = 0; i < Lines; ++i)
            lines += QByteArray::number(i) + "\r\n";
        m_client.write(lines);
    }

private Q_SLOTS:
    void cleanup()
    {
        m_client.abort();
        delete m_peer;
        m_peer = nullptr;
        m_server.close();
        m_mostUnsent = 0;
    }

    void slowReader_unsentStaysBounded_everyAnswerArrivesInOrder()
    {
        connectClient();
        QTest::qWait(1000); // the client reads nothing meanwhile
        QVERIFY(m_mostUnsent > 0);
        int next = 0;
        QByteArray received;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                received += m_client.readAll();
                qsizetype start = 0;
                for (qsizetype lf = received.indexOf('\n'); lf >= 0; lf = received.indexOf('\n', start)) {
                    const QByteArray line = received.mid(start, lf - start);
                    start = lf + 1;
                    if (line != QByteArray::number(next) + ' ' + Answer + '\r')
                        return true; // out of order or garbled: stop and fail below
                    ++next;
                }
                received.remove(0, start);
                return next == Lines;
            }(),
            30000);
        QCOMPARE(next, Lines);
        QVERIFY2(m_mostUnsent <= LinePeer::MaxUnsentBytes + Answer.size() + 16,
                 QByteArray::number(m_mostUnsent).constData());
    }

    void clientReadingNothing_dropped()
    {
        connectClient();
        m_peer->SetStalledMs(300);
        QSignalSpy closed(m_peer, &LinePeer::Closed);
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 10000);
        QVERIFY(m_peer->Closing());
        QVERIFY(m_mostUnsent <= LinePeer::MaxUnsentBytes + Answer.size() + 16);
    }
};

QTEST_GUILESS_MAIN(TestLinePeer)
#include "tst_linepeer.moc"
