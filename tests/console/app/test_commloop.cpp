// The console's communication loop on its real window: signed in through a scripted name server,
// then fed by a scripted communication server on loopback.
#include "common/ui/application.h"
#include "console/link/classlink.h"
#include "tests/support/consolesession.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>

using Quillon::Application;

namespace {

const QByteArray Header("\xC2\xC3\xC4", 3);
constexpr qint64 GiveUpMs = 4000; // a box left open for lines to arrive behind it closes after this

struct BoxSeen
{
    bool open = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    bool terminatedWhileOpen = false;
    bool timerActiveWhileOpen = true;
};

QString LastMsgBy(const QString& first, const QString& last)
{
    return QStringLiteral("Last msg by: ") + first + QLatin1Char(' ') + last;
}

} // namespace

class TestCommLoop : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConsoleSession> m_session;
    ScriptedPeer* m_commServer = nullptr;
    ModalWatcher* m_boxes = nullptr;
    qsizetype m_boxesAtJoin = 0;
    QStringList m_panelPerTick; // panel 2 after each tick
    QStringList m_panelChanges; // panel 2, each new value once

    QTimer* timer2() const { return m_session->Timer2(); }
    QString panel() const { return m_session->Form().PanelText(2); }

    // Signs in as " Ann " / "Lee", picks Biology and joins the class on the scripted
    // communication server.
    void joinClass()
    {
        ConsoleSession::Join join;
        join.first = QStringLiteral(" Ann ");
        join.courses = {"Algebra", "Biology"};
        join.pickCourse = 1;
        join.roster = {"Jane", "Doe"};
        m_session->JoinClass(join);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(m_session->Form().Course(), QByteArray("Biology"));
        m_boxesAtJoin = m_boxes->SeenBoxes().size();
        m_panelChanges << panel();
        // Connected after the window's own handler, so it sees each tick's result.
        connect(timer2(), &QTimer::timeout, this, [this] {
            m_panelPerTick << panel();
            if (m_panelChanges.last() != panel())
                m_panelChanges << panel();
        });
    }

    // Every line sent before has been handled once this returns.
    void sendMarkerAndWait() { m_session->SendMarkerAndWait(); }

    // Records what the box showed and how the program stood while it was open, then clicks OK.
    static ModalWatcher::Answer RecordAndClickOk(BoxSeen& seen, QTimer* timer)
    {
        return [&seen, timer](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY2(box, "expected a message box");
            seen.open = true;
            seen.caption = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
            seen.terminatedWhileOpen = Application().Terminated();
            seen.timerActiveWhileOpen = timer->isActive();
            box->button(QMessageBox::Ok)->click();
        };
    }

private Q_SLOTS:
    void init()
    {
        m_session = std::make_unique<ConsoleSession>();
        m_commServer = &m_session->CommServer();
        m_boxes = &m_session->Boxes();
        m_panelPerTick.clear();
        m_panelChanges.clear();
    }

    void cleanup() { m_session.reset(); }

    void identify_answeredWithLoginNamesAndCourse()
    {
        joinClass();
        m_commServer->SendLine(Packet({"Server", "", "0", "ignored"}));
        QVERIFY(m_commServer->WaitForLines(1));
        QCOMPARE(m_commServer->ReceivedLines().at(0), Packet({"2", " Ann ", "Lee", "Biology"}));
        QVERIFY(m_commServer->Received().endsWith("\r\n"));
    }

    void sender_shownInPanel2_lineOtherwiseDropped_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("shown"); // panel 2 after the line; empty: the line changed nothing
        QTest::newRow("namesOnly") << Packet({"Ann", "Lee"})
                                   << LastMsgBy(QStringLiteral("Ann"), QStringLiteral("Lee"));
        QTest::newRow("headerAlone_oneBlank") << Header << QStringLiteral("Last msg by:  ");
        QTest::newRow("code5") << Packet({"Ann", "Lee", "5", "Bo", "Li", "-1"})
                               << LastMsgBy(QStringLiteral("Ann"), QStringLiteral("Lee"));
        QTest::newRow("code2x") << Packet({"Ann", "Lee", "2x", "128", "0", "Hi"})
                                << LastMsgBy(QStringLiteral("Ann"), QStringLiteral("Lee"));
        QTest::newRow("negativeCode")
            << Packet({"Ann", "Lee", "-8", "Hi"}) << LastMsgBy(QStringLiteral("Ann"), QStringLiteral("Lee"));
        QTest::newRow("windows1252Names")
            << Packet({"Jos\xE9", "M\x80ller"})
            << LastMsgBy(QStringLiteral("Jos\u00E9"), QStringLiteral("M\u20ACller"));
        QTest::newRow("blankBeforeHeader_notShown") << " " + Packet({"Ann", "Lee", "8", "Hi"}) << QString();
    }
    void sender_shownInPanel2_lineOtherwiseDropped()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, shown);
        joinClass();
        m_commServer->SendLine(line);
        sendMarkerAndWait();
        // The first change is the join, the last the marker.
        QCOMPARE(m_panelChanges.mid(1, m_panelChanges.size() - 2),
                 shown.isEmpty() ? QStringList{} : QStringList{shown});
        QCOMPARE(m_boxes->SeenBoxes().size(), m_boxesAtJoin);
        QCOMPARE(m_commServer->Received(), QByteArray());
    }

    void noticeAndVerdict_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ends");
        QTest::newRow("notice_nextFieldOnly")
            << Packet({"S", "V", "8", "Hello", "World"}) << QStringLiteral("Hello") << false;
        QTest::newRow("notice_noField_emptyBox") << Packet({"S", "V", "8"}) << QString() << false;
        QTest::newRow("verdict_wholeRest")
            << Packet({"S", "V", "10", "Hello", "World"}) << QStringLiteral("Hello$$$World") << false;
        QTest::newRow("verdict_authenticationFailed_ends")
            << Packet({"S", "V", "10", "Authentication Failed!"}) << QStringLiteral("Authentication Failed!")
            << true;
        QTest::newRow("verdict_trailingBlank_goesOn") << Packet({"S", "V", "10", "Authentication Failed! "})
                                                      << QStringLiteral("Authentication Failed! ") << false;
        QTest::newRow("verdict_furtherField_goesOn") << Packet({"S", "V", "10", "Authentication Failed!", ""})
                                                     << QStringLiteral("Authentication Failed!$$$") << false;
    }
    void noticeAndVerdict()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        QFETCH(bool, ends);
        joinClass();
        BoxSeen seen;
        m_boxes->Then(RecordAndClickOk(seen, timer2()));
        m_commServer->SendLine(line);
        sendMarkerAndWait();
        QVERIFY(seen.open);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.caption, QStringLiteral("Brivane Version 3.1"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!seen.terminatedWhileOpen);
        QCOMPARE(Application().Terminated(), ends);
    }

    void serverCloses_systemErrorOnce_timerOffFirst_thenEnd()
    {
        joinClass();
        BoxSeen seen;
        m_boxes->Then(RecordAndClickOk(seen, timer2()));
        m_commServer->CloseClient();
        QTRY_VERIFY(Application().Terminated());
        QTest::qWait(1200);
        QCOMPARE(m_boxes->SeenBoxes().size(), m_boxesAtJoin + 1);
        QCOMPARE(seen.caption, QStringLiteral("System Error"));
        QCOMPARE(seen.text,
                 QStringLiteral("Lost Network Connection! Please check your network and restart the tool."));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!seen.timerActiveWhileOpen);
        QVERIFY(!seen.terminatedWhileOpen);
        QVERIFY(!timer2()->isActive());
    }

    void threeLinesInOnePacket_oneLinePerTick()
    {
        joinClass();
        m_commServer->Send(Packet({"A", "1", "5"}) + "\r\n" + Packet({"B", "2", "5"}) + "\r\n" +
                           Packet({"C", "3", "5"}) + "\r\n");
        QTRY_COMPARE(panel(), LastMsgBy(QStringLiteral("C"), QStringLiteral("3")));
        const qsizetype a = m_panelPerTick.indexOf(LastMsgBy(QStringLiteral("A"), QStringLiteral("1")));
        const qsizetype b = m_panelPerTick.indexOf(LastMsgBy(QStringLiteral("B"), QStringLiteral("2")));
        const qsizetype c = m_panelPerTick.indexOf(LastMsgBy(QStringLiteral("C"), QStringLiteral("3")));
        QVERIFY2(a >= 0, "the first line was never shown after its tick");
        QCOMPARE(b, a + 1);
        QCOMPARE(c, b + 1);
    }

    void noticeLeftOpen_laterLinesHandledBehindIt_boxesStack()
    {
        joinClass();
        const QString lastSender = LastMsgBy(QStringLiteral("Bo"), QStringLiteral("Li"));
        QStringList seenWhenClosed;
        QElapsedTimer giveUp;
        giveUp.start();
        m_boxes->Then(ModalWatcher::ClickBoxWhen(
            [&] {
                if (giveUp.hasExpired(GiveUpMs))
                    return true; // the lines never came behind the box: fail below, not hang
                if (!m_panelChanges.contains(lastSender))
                    return false;
                seenWhenClosed = m_boxes->SeenTexts();
                return true;
            },
            QMessageBox::Ok));
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        m_commServer->Send(Packet({"S", "V", "8", "First"}) + "\r\n" + Packet({"S", "V", "8", "Second"}) +
                           "\r\n" + Packet({"Bo", "Li", "2", "128", "0", "Hi"}) + "\r\n");
        sendMarkerAndWait();
        QCOMPARE(seenWhenClosed.mid(m_boxesAtJoin),
                 (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
        QVERIFY(!Application().Terminated());
    }

    void errorInsideACode_reported_loopGoesOnBehindTheReport()
    {
        joinClass();
        QString openWhileLaterLineShown;
        QElapsedTimer giveUp;
        giveUp.start();
        const QString later = LastMsgBy(QStringLiteral("Later"), QStringLiteral("One"));
        m_boxes->Then(ModalWatcher::ClickBoxWhen(
            [&] {
                if (giveUp.hasExpired(GiveUpMs))
                    return true; // the lines never came behind the box: fail below, not hang
                if (!m_panelChanges.contains(later))
                    return false;
                openWhileLaterLineShown = m_boxes->SeenTexts().last();
                return true;
            },
            QMessageBox::Ok));
        m_commServer->Send(Packet({"S", "V", "7", "x"}) + "\r\n" + Packet({"Later", "One", "5"}) + "\r\n");
        sendMarkerAndWait();
        QCOMPARE(openWhileLaterLineShown, QStringLiteral("'x' is not a valid integer value"));
        QCOMPARE(m_boxes->SeenBoxes().size(), m_boxesAtJoin + 1);
        QVERIFY(timer2()->isActive());
        QVERIFY(!Application().Terminated());
    }

    // A server sending a bad line at every tick: the boxes stop at the limit, the lines wait in
    // the connection while they are open, and once they are closed every line behind comes in order.
    void badLineEveryTick_boxesStopAtLimit_linesBehindHandledInOrder()
    {
        joinClass();
        constexpr int Limit = Brivane::TClassLink::MaxOpenTicks;
        constexpr int BadLines = 8 * Limit;
        const auto opened = [this] { return m_boxes->SeenBoxes().size() - m_boxesAtJoin; };
        QElapsedTimer atLimit;
        QElapsedTimer giveUp;
        giveUp.start();
        qsizetype openedWhenReleased = -1;
        const auto released = [&] {
            if (openedWhenReleased >= 0)
                return true;
            if (opened() >= Limit && !atLimit.isValid())
                atLimit.start();
            // Held for far more ticks than there are boxes, or the limit was never reached.
            if ((atLimit.isValid() && atLimit.hasExpired(25 * ConsoleSession::TickMs)) ||
                giveUp.hasExpired(GiveUpMs)) {
                openedWhenReleased = opened();
                return true;
            }
            return false;
        };
        for (int i = 0; i < Limit; ++i)
            m_boxes->Then(ModalWatcher::ClickBoxWhen(released, QMessageBox::Ok));
        for (int i = Limit; i < BadLines; ++i)
            m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));

        QByteArray lines;
        QStringList expected;
        for (int i = 0; i < BadLines; ++i) {
            const QByteArray colour = "c" + QByteArray::number(i);
            lines += Packet({"S", "V", "2", colour, "0", "Hi"}) + "\r\n";
            expected << QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(colour));
        }
        m_commServer->Send(lines + Packet({"Later", "One", "5"}) + "\r\n");
        sendMarkerAndWait();

        QCOMPARE(openedWhenReleased, Limit);
        QCOMPARE(m_boxes->SeenTexts().mid(m_boxesAtJoin), expected);
        QVERIFY(m_panelChanges.contains(LastMsgBy(QStringLiteral("Later"), QStringLiteral("One"))));
        QCOMPARE(m_session->Form().Link().OpenTicks(), 0);
        QVERIFY(timer2()->isActive());
    }
};

QTEST_MAIN(TestCommLoop)
#include "test_commloop.moc"
