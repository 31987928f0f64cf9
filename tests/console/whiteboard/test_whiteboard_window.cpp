// The whiteboard on the console's real window: placed on the "Chatting Room" tab beside the chat,
// writing the status bar's panels 2 and 3, and sending through the real link.
#include "console/app/consolemainform.h"
#include "console/whiteboard/whiteboardpage.h"
#include "tests/support/consolesession.h"

#include <QAbstractButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWhiteBoardWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placedBesideTheChatAndWired()
    {
        ConsoleSession session;
        session.JoinClass();
        if (QTest::currentTestFailed())
            return;
        auto* page = session.Control<Brivane::TWhiteBoardPage>(u"WhiteBoardPage"_s);
        auto* tab = session.Control<QWidget>(u"ts_ChatingRoom"_s);
        QCOMPARE(page->parentWidget(), tab);
        QVERIFY(session.Control<QWidget>(u"ChatPage"_s)->geometry().right() < page->geometry().left());
        QVERIFY(tab->rect().contains(page->geometry()));
        QWidget* image = session.Control<QWidget>(u"Image"_s);
        QVERIFY(image->isVisible());
        QCOMPARE(page->Board().Image().size(), QSize(264, 265));

        QTest::mousePress(image, Qt::LeftButton, {}, QPoint(10, 20));
        QCOMPARE(session.Form().PanelText(2), u"Origin: (10, 20)"_s);
        QTest::mouseMove(image, QPoint(110, 70));
        QCOMPARE(session.Form().PanelText(3), u"Current: (110, 70)"_s);
        QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(110, 70));

        const int before = int(session.CommServer().ReceivedLines().size());
        QTest::mouseClick(session.Control<QAbstractButton>(u"BitBtn6"_s), Qt::LeftButton);
        QVERIFY(session.CommServer().WaitForLines(before + 1));
        QCOMPARE(
            session.CommServer().ReceivedLines().mid(before),
            QList<QByteArray>{Packet({"3", "0", "10", "20", "110", "70", "0", "0", "1", "0", "16777215"})});
        // A line from the class writes panel 2 after the drag did: the later write wins.
        session.SendMarkerAndWait();
        QVERIFY(session.Form().PanelText(2).startsWith(u"Last msg by: Mark "_s));
        QCOMPARE(session.Form().PanelText(3), u"Current: (110, 70)"_s);
        QVERIFY(session.BoxesSinceJoin().isEmpty());
    }
};

QTEST_MAIN(TestWhiteBoardWindow)
#include "test_whiteboard_window.moc"
