#include "common/core/lineconnection.h"

#include "common/core/error.h"

#include <QDeadlineTimer>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <csignal>
#include <functional>
#include <future>
#include <thread>

using namespace Quillon;
using namespace Qt::StringLiterals;

namespace {

void Send(QTcpSocket& socket, QByteArrayView bytes)
{
    socket.write(bytes.data(), bytes.size());
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(10000)) {
    }
}

QByteArray Receive(QTcpSocket& socket, qsizetype size)
{
    QByteArray bytes;
    while (bytes.size() < size) {
        bytes.append(socket.readAll());
        if (bytes.size() < size && !socket.waitForReadyRead(10000))
            break;
    }
    return bytes;
}

// A server on loopback in its own thread with blocking sockets: accepts one client, runs
// its script on the connection, then closes it.
class LoopbackPeer
{
public:
    using Script = std::function<void(QTcpSocket&)>;

    explicit LoopbackPeer(Script script)
    {
        std::promise<quint16> portPromise;
        std::future<quint16> port = portPromise.get_future();
        m_thread = std::thread([script = std::move(script), portPromise = std::move(portPromise)]() mutable {
            QTcpServer server;
            server.listen(QHostAddress::LocalHost, 0);
            portPromise.set_value(server.serverPort());
            if (!server.waitForNewConnection(10000))
                return;
            std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
            script(*socket);
            socket->close();
        });
        m_port = port.get();
    }
    ~LoopbackPeer() { Finish(); }

    int Port() const { return m_port; }
    // Waits until the script has run and the peer's end is closed.
    void Finish()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
    int m_port = 0;
};

void ConnectTo(TLineConnection& connection, const LoopbackPeer& peer)
{
    connection.SetHost(u"127.0.0.1"_s);
    connection.SetPort(peer.Port());
    connection.Connect();
}

// Reads until a line arrives or the patience runs out.
QByteArray ReadLine(TLineConnection& connection, int patienceMs = 20000)
{
    const QDeadlineTimer deadline(patienceMs);
    while (!deadline.hasExpired()) {
        const QByteArray line = connection.ReadLn(100);
        if (!line.isEmpty())
            return line;
    }
    return QByteArray();
}

} // namespace

class TestLineConnection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readLn_lineEnds_data();
    void readLn_lineEnds();
    void readLn_lineSplitAcrossPackets();
    void readLn_nothingYet_givesEmptyAndStaysConnected();
    void readLn_peerClosed_linesFirstThenThrows();
    void writeLn_appendsCrLfAndSendsWhole();
    void writeLn_deadConnection_throwsWithoutSigpipe();
    void readLn_overlongLine_droppedAndNextLineRead();
    void connect_refused_throws();
    void connect_invalidAddress_throws_data();
    void connect_invalidAddress_throws();
    void notConnected_readAndWriteThrow();
};

void TestLineConnection::initTestCase()
{
    // A write into a closed connection must not kill the process, whatever the default is.
    std::signal(SIGPIPE, SIG_DFL);
}

void TestLineConnection::readLn_lineEnds_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("crLf") << QByteArray("\xC2\xC3\xC4$$$0\r\n") << QList<QByteArray>{"\xC2\xC3\xC4$$$0"};
    QTest::newRow("lfOnly") << QByteArray("a\n") << QList<QByteArray>{"a"};
    QTest::newRow("oneCrDropped") << QByteArray("a\r\r\n") << QList<QByteArray>{"a\r"};
    QTest::newRow("crInside_kept") << QByteArray("a\rb\r\n") << QList<QByteArray>{"a\rb"};
    QTest::newRow("severalInOnePacket") << QByteArray("1\r\n2\r\n3\r\n") << QList<QByteArray>{"1", "2", "3"};
    QTest::newRow("highBytesAndNul") << QByteArray("\xC0\x81\0z\r\n", 6)
                                     << QList<QByteArray>{QByteArray("\xC0\x81\0z", 4)};
}

void TestLineConnection::readLn_lineEnds()
{
    QFETCH(QByteArray, sent);
    QFETCH(QList<QByteArray>, lines);
    QSemaphore done;
    LoopbackPeer peer([&](QTcpSocket& s) {
        Send(s, sent);
        done.acquire(); // keep the connection open until the client has read
    });
    TLineConnection connection;
    ConnectTo(connection, peer);
    QCOMPARE(ReadLine(connection), lines.front());
    // The rest came in the same packet: no further wait on the socket is needed.
    for (qsizetype i = 1; i < lines.size(); ++i)
        QCOMPARE(connection.ReadLn(0), lines[i]);
    QCOMPARE(connection.ReadLn(5), QByteArray());
    QVERIFY(connection.Connected());
    done.release();
}

void TestLineConnection::readLn_lineSplitAcrossPackets()
{
    QSemaphore partSent;
    QSemaphore partRead;
    LoopbackPeer peer([&](QTcpSocket& s) {
        Send(s, "\xC2\xC3");
        partSent.release();
        partRead.acquire();
        Send(s, "\xC4$$$3$$$Ann\r");
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        Send(s, "\nnext\r\n");
    });
    TLineConnection connection;
    ConnectTo(connection, peer);
    partSent.acquire();
    QCOMPARE(connection.ReadLn(50), QByteArray()); // half a line is no line
    partRead.release();
    QCOMPARE(ReadLine(connection), QByteArray("\xC2\xC3\xC4$$$3$$$Ann"));
    QCOMPARE(ReadLine(connection), QByteArray("next"));
}

void TestLineConnection::readLn_nothingYet_givesEmptyAndStaysConnected()
{
    QSemaphore go;
    LoopbackPeer peer([&](QTcpSocket& s) {
        go.acquire();
        Send(s, "late\r\n");
        Receive(s, 4);
    });
    TLineConnection connection;
    ConnectTo(connection, peer);
    QCOMPARE(connection.ReadLn(), QByteArray());
    QCOMPARE(connection.ReadLn(0), QByteArray());
    QVERIFY(connection.Connected());
    go.release();
    QCOMPARE(ReadLine(connection), QByteArray("late"));
    connection.WriteLn("ok");
}

void TestLineConnection::readLn_peerClosed_linesFirstThenThrows()
{
    QSemaphore close;
    LoopbackPeer peer([&](QTcpSocket& s) {
        Send(s, "one\r\n");
        close.acquire();
        Send(s, "two\r\nthree\r\npartial");
    });
    TLineConnection connection;
    ConnectTo(connection, peer);
    QCOMPARE(ReadLine(connection), QByteArray("one"));
    QCOMPARE(connection.ReadLn(5), QByteArray()); // a wait that timed out must not colour the error
    close.release();
    peer.Finish();
    QCOMPARE(ReadLine(connection), QByteArray("two"));
    QCOMPARE(connection.ReadLn(), QByteArray("three"));
    QVERIFY(connection.Connected()); // the close is found by the read, not before
    try {
        for (int i = 0; i < 100; ++i)
            connection.ReadLn(100);
        QFAIL("no error after the peer closed");
    } catch (const ConnectionError& e) {
        QCOMPARE(e.message(), u"Connection Closed Gracefully."_s);
    }
    QVERIFY(!connection.Connected());
    QVERIFY_THROWS_EXCEPTION(ConnectionError, connection.ReadLn());
}

void TestLineConnection::writeLn_appendsCrLfAndSendsWhole()
{
    const QByteArray big(4 * 1024 * 1024, '\xC0');
    QByteArray received;
    LoopbackPeer peer([&](QTcpSocket& s) { received = Receive(s, 9 + big.size() + 2); });
    TLineConnection connection;
    ConnectTo(connection, peer);
    connection.WriteLn("\xC2\xC3\xC4$$$0");
    connection.WriteLn(big);
    peer.Finish();
    QCOMPARE(received.size(), 9 + big.size() + 2);
    QVERIFY(received.startsWith("\xC2\xC3\xC4$$$0\r\n\xC0"));
    QVERIFY(received.endsWith("\xC0\r\n"));
}

void TestLineConnection::writeLn_deadConnection_throwsWithoutSigpipe()
{
    LoopbackPeer peer([](QTcpSocket&) {});
    TLineConnection connection;
    ConnectTo(connection, peer);
    peer.Finish();
    bool thrown = false;
    try {
        connection.WriteLn("first");
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        connection.WriteLn("second");
    } catch (const ConnectionError& e) {
        thrown = true;
        QVERIFY(!e.message().isEmpty());
    }
    QVERIFY(thrown);
    QVERIFY(!connection.Connected());
    QVERIFY_THROWS_EXCEPTION(ConnectionError, connection.WriteLn("third"));
}

void TestLineConnection::readLn_overlongLine_droppedAndNextLineRead()
{
    const qsizetype max = TLineConnection::MaxLineLength;
    LoopbackPeer peer([&](QTcpSocket& s) {
        Send(s, QByteArray(max, 'a') + "\r\n");   // longest line kept
        Send(s, QByteArray(max + 1, 'b') + "\n"); // one byte too long
        Send(s, QByteArray(17 * 1024 * 1024, 'c') + "\r\n");
        Send(s, "next\r\n");
        Receive(s, 4);
    });
    TLineConnection connection;
    ConnectTo(connection, peer);
    const QByteArray longest = ReadLine(connection);
    QCOMPARE(longest.size(), max);
    QVERIFY(longest.count('a') == max);
    QCOMPARE(ReadLine(connection), QByteArray("next"));
    connection.WriteLn("ok");
}

void TestLineConnection::connect_refused_throws()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const int port = probe.serverPort();
    probe.close();
    TLineConnection connection;
    connection.SetHost(u"127.0.0.1"_s);
    connection.SetPort(port);
    try {
        connection.Connect();
        QFAIL("connected to a closed port");
    } catch (const ConnectionError& e) {
        QCOMPARE(e.message(), u"Connection refused"_s);
    }
    QVERIFY(!connection.Connected());
}

void TestLineConnection::connect_invalidAddress_throws_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("portZero") << u"127.0.0.1"_s << 0;
    QTest::newRow("portNegative") << u"127.0.0.1"_s << -1;
    QTest::newRow("portTooLarge") << u"127.0.0.1"_s << 65536 + 22; // would wrap to 22 as 16 bits
    QTest::newRow("emptyHost") << QString() << 22;
}

void TestLineConnection::connect_invalidAddress_throws()
{
    QFETCH(QString, host);
    QFETCH(int, port);
    TLineConnection connection;
    connection.SetHost(host);
    connection.SetPort(port);
    QVERIFY_THROWS_EXCEPTION(ConnectionError, connection.Connect());
    QVERIFY(!connection.Connected());
}

void TestLineConnection::notConnected_readAndWriteThrow()
{
    TLineConnection connection;
    QVERIFY(!connection.Connected());
    try {
        connection.ReadLn();
        QFAIL("read without a connection");
    } catch (const ConnectionError& e) {
        QCOMPARE(e.message(), u"Not Connected"_s);
    }
    QVERIFY_THROWS_EXCEPTION(ConnectionError, connection.WriteLn("x"));
    connection.Disconnect(); // harmless when not connected
}

QTEST_GUILESS_MAIN(TestLineConnection)
#include "tst_lineconnection.moc"
