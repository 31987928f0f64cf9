// The class link without any window: lines handed to it directly, and a scripted communication
// server on loopback for reading, sending and the lost connection.
#include "common/core/error.h"
#include "console/link/classlink.h"
#include "tests/support/scriptedpeer.h"

#include <QSignalSpy>
#include <QTest>

using Brivane::TClassLink;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Header("\xC2\xC3\xC4", 3);

} // namespace

class TestClassLink : public QObject
{
    Q_OBJECT

    // What one line did: the sender shown, and the code and rest that reached a handler.
    struct Seen
    {
        QList<QByteArray> shown;
        QList<QByteArray> handled;
    };

    static void Watch(TClassLink& link, Seen& seen, QList<int> codes)
    {
        link.SetSenderShown(
            [&seen](const QByteArray& first, const QByteArray& last) { seen.shown << first + '|' + last; });
        for (int code : codes)
            link.Register(code, [&seen, code](const Brivane::CommServer::TSender& sender, QByteArray& rest) {
                seen.handled << QByteArray::number(code) + ':' + sender.first + '|' + sender.last + ':' +
                                    rest;
            });
    }

private Q_SLOTS:
    void handleLine_showsSenderThenDispatchesByCode_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QList<QByteArray>>("shown");
        QTest::addColumn<QList<QByteArray>>("handled");
        QTest::newRow("registered code: the rest after the code")
            << Packet({"Ann", "Lee", "2", "255", "0", "hi"}) << QList<QByteArray>{"Ann|Lee"}
            << QList<QByteArray>{"2:Ann|Lee:255$$$0$$$hi"};
        QTest::newRow("another registered code")
            << Packet({"Ann", "Lee", "4", "1"}) << QList<QByteArray>{"Ann|Lee"}
            << QList<QByteArray>{"4:Ann|Lee:1"};
        QTest::newRow("code nobody registered: shown, dropped")
            << Packet({"Ann", "Lee", "5"}) << QList<QByteArray>{"Ann|Lee"} << QList<QByteArray>{};
        QTest::newRow("negative code: shown, dropped")
            << Packet({"Ann", "Lee", "-2", "x"}) << QList<QByteArray>{"Ann|Lee"} << QList<QByteArray>{};
        QTest::newRow("no code field: shown, dropped")
            << Packet({"Ann", "Lee"}) << QList<QByteArray>{"Ann|Lee"} << QList<QByteArray>{};
        QTest::newRow("code 2x: shown, dropped")
            << Packet({"Ann", "Lee", "2x", "1"}) << QList<QByteArray>{"Ann|Lee"} << QList<QByteArray>{};
        QTest::newRow("header alone: two empty names")
            << Header << QList<QByteArray>{"|"} << QList<QByteArray>{};
        QTest::newRow("wrong header: nothing")
            << QByteArray("\xC2\xC3$$$Ann$$$Lee$$$2") << QList<QByteArray>{} << QList<QByteArray>{};
        QTest::newRow("no header: nothing")
            << QByteArray("Ann$$$Lee$$$2") << QList<QByteArray>{} << QList<QByteArray>{};
    }
    void handleLine_showsSenderThenDispatchesByCode()
    {
        QFETCH(QByteArray, line);
        QFETCH(QList<QByteArray>, shown);
        QFETCH(QList<QByteArray>, handled);
        TClassLink link(40);
        Seen seen;
        Watch(link, seen, {2, 4, -1});
        link.HandleLine(line);
        QCOMPARE(seen.shown, shown);
        QCOMPARE(seen.handled, handled);
    }

    void register_laterHandlerReplacesEarlier()
    {
        TClassLink link(40);
        QList<int> calls;
        link.Register(8, [&calls](const auto&, QByteArray&) { calls << 1; });
        link.Register(8, [&calls](const auto&, QByteArray&) { calls << 2; });
        link.HandleLine(Packet({"S", "V", "8", "Hello"}));
        QCOMPARE(calls, QList<int>{2});
    }

    void connected_readsOneLinePerTick_sendsWholeLines()
    {
        ScriptedPeer server;
        TClassLink link(40);
        Seen seen;
        Watch(link, seen, {2});
        link.Connect(u"127.0.0.1"_s, server.Port());
        QVERIFY(server.WaitForClient());
        QVERIFY(link.Timer2()->isActive());
        QCOMPARE(link.Timer2()->interval(), 40);
        QObject::connect(link.Timer2(), &QTimer::timeout, &link, [&link] { link.Timer2Timer(); });

        server.Send(Packet({"A", "1", "2", "x"}) + "\r\n" + Packet({"B", "2", "2", "y"}) + "\r\n");
        QTRY_COMPARE(seen.handled.size(), 2);
        QCOMPARE(seen.handled, (QList<QByteArray>{"2:A|1:x", "2:B|2:y"}));

        link.Send(Packet({"2", "128", "0", "Hello"}));
        QVERIFY(server.WaitForLines(1));
        QCOMPARE(server.Received(), Packet({"2", "128", "0", "Hello"}) + "\r\n");
    }

    void serverCloses_timerStoppedThenLostToldOnce()
    {
        ScriptedPeer server;
        TClassLink link(40);
        int lost = 0;
        bool timerActiveWhenTold = true;
        link.SetConnectionLost([&] {
            ++lost;
            timerActiveWhenTold = link.Timer2()->isActive();
        });
        link.Connect(u"127.0.0.1"_s, server.Port());
        QVERIFY(server.WaitForClient());
        QObject::connect(link.Timer2(), &QTimer::timeout, &link, [&link] { link.Timer2Timer(); });
        server.CloseClient();
        QTRY_COMPARE(lost, 1);
        QVERIFY(!timerActiveWhenTold);
        QTest::qWait(200);
        QCOMPARE(lost, 1);
    }

    void connect_nothingListening_throwsTimerOff()
    {
        quint16 port = 0;
        {
            ScriptedPeer closed;
            port = closed.Port();
        }
        TClassLink link(40);
        QVERIFY_THROWS_EXCEPTION(Quillon::ConnectionError, link.Connect(u"127.0.0.1"_s, port));
        QVERIFY(!link.Timer2()->isActive());
    }
};

QTEST_GUILESS_MAIN(TestClassLink)
#include "tst_classlink.moc"
