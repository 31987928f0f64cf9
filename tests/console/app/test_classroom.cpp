// The "Classroom" tab on the real window: its controls, the expression buttons and the status
// messages (codes 4, 7 and 9) fed through the communication loop by a scripted server.
#include "common/ui/application.h"
#include "console/classroom/classroompainter.h"
#include "console/classroom/statusicons.h"
#include "tests/support/consolesession.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Quillon::Application;

namespace {

bool IconAt(const QImage& picture, int x, int y, int status)
{
    return picture.copy(x, y, 32, 32) == Brivane::StatusIconImage(status).convertToFormat(picture.format());
}

} // namespace

class TestClassroom : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConsoleSession> m_session;
    ScriptedPeer* m_commServer = nullptr;
    ModalWatcher* m_boxes = nullptr;

    Brivane::TForm_Main& form() const { return m_session->Form(); }
    template <typename T> T* control(const QString& name) const { return form().findChild<T*>(name); }
    int status(int student) const { return form().Roster().Items(student)->FStatus; }

    // Signs in as Ann Lee for Algebra and joins the class on the scripted communication server;
    // the roster comes as pairs of names.
    void joinClass(const QList<QByteArray>& roster = {"Jane", "Doe", "Bo", "Li", "Al", "Ng"})
    {
        ConsoleSession::Join join;
        join.roster = roster;
        m_session->JoinClass(join);
        QTRY_VERIFY(control<QTimer>(u"Timer2"_s)->isActive());
    }

    // A line that does nothing (code 5), sent last: once the status bar shows it, every line
    // before it has been handled.
    void sendMarkerAndWait() { m_session->SendMarkerAndWait(); }

private Q_SLOTS:
    void init()
    {
        m_session = std::make_unique<ConsoleSession>();
        m_commServer = &m_session->CommServer();
        m_boxes = &m_session->Boxes();
    }

    void cleanup() { m_session.reset(); }

    void controls_asLaidOut_happyDownAtStart()
    {
        m_session->Create();
        auto* panel = control<QFrame>(u"Panel_Class"_s);
        QVERIFY(panel);
        QCOMPARE(panel->parentWidget(), control<QWidget>(u"ts_Classroom"_s));
        QCOMPARE(panel->frameShape(), QFrame::Panel);
        QCOMPARE(panel->frameShadow(), QFrame::Sunken);
        QCOMPARE(panel->lineWidth(), 3);
        QVERIFY(panel->autoFillBackground());
        QCOMPARE(panel->backgroundRole(), QPalette::Base);

        auto* picture = control<QLabel>(u"imgClassroom"_s);
        QVERIFY(picture);
        QCOMPARE(picture->parentWidget(), panel);
        QCOMPARE(picture->geometry(), QRect(6, 6, 1280, 1024));
        QCOMPARE(form().ClassroomPicture().size(), QSize(1280, 1024));

        auto* group = control<QGroupBox>(u"grbExpression"_s);
        QVERIFY(group);
        QCOMPARE(group->parentWidget(), panel);
        QCOMPARE(group->geometry(), QRect(8, 10, 194, 41));

        const QStringList names = {u"changeStatus"_s, u"SpeedButton7"_s,  u"SpeedButton8"_s,
                                   u"SpeedButton9"_s, u"SpeedButton10"_s, u"SpeedButton11"_s};
        const QStringList hints = {u"Happy"_s, u"Sad"_s, u"Winking"_s, u"Crying"_s, u"Yes"_s, u"No"_s};
        for (int i = 0; i < names.size(); ++i) {
            auto* button = control<QToolButton>(names[i]);
            QVERIFY2(button, qPrintable(names[i]));
            QCOMPARE(button->parentWidget(), group);
            QCOMPARE(button->size(), QSize(32, 32));
            QCOMPARE(button->property("Tag").toInt(), i + 1);
            QCOMPARE(button->toolTip(), hints[i]);
            QCOMPARE(button->isChecked(), i == 0);
            QVERIFY(!button->icon().isNull());
        }
        // Not connected: the write fails and the general error report shows it.
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        control<QToolButton>(u"SpeedButton9"_s)->click();
        QCOMPARE(m_boxes->SeenBoxes().size(), 1);
        QCOMPARE(m_boxes->SeenTexts(), QStringList{u"Not Connected"_s});
        QVERIFY(control<QToolButton>(u"SpeedButton9"_s)->isChecked());
        QVERIFY(!control<QToolButton>(u"changeStatus"_s)->isChecked());
    }

    void expressionButtons_sendCode7_teacherIconWaitsForServer()
    {
        joinClass();
        const int draws = form().ClassroomDrawCount();
        control<QToolButton>(u"SpeedButton8"_s)->click();
        control<QToolButton>(u"SpeedButton8"_s)->click(); // already down: sends again
        control<QToolButton>(u"changeStatus"_s)->click();
        QVERIFY(m_commServer->WaitForLines(3));
        QCOMPARE(m_commServer->Received(), QByteArray("\xC2\xC3\xC4$$$7$$$3\r\n"
                                                      "\xC2\xC3\xC4$$$7$$$3\r\n"
                                                      "\xC2\xC3\xC4$$$7$$$1\r\n"));
        QCOMPARE(int(form().Teacher().FStatus), 0);
        QCOMPARE(form().ClassroomDrawCount(), draws);
    }

    // The page's own test holds the table of status messages; these show the loop's lines reach
    // it, that its errors end in the general error report, and that chat marks a sender present.
    void statusLines_throughTheLoop_appliedDrawnBadOneReported()
    {
        joinClass();
        const int drawsBefore = form().ClassroomDrawCount();
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        m_commServer->SendLine(Packet({"Jane", "Doe", "4", "3"}));
        m_commServer->SendLine(Packet({"Srv", "", "9", "2", "Bo", "Li", "zz"}));
        m_commServer->SendLine(Packet({"Zed", "Nobody", "7", "4"}));
        sendMarkerAndWait();
        QCOMPARE((QList<int>{status(0), status(1), status(2), int(form().Teacher().FStatus)}),
                 (QList<int>{3, 0, 0, 4}));
        QCOMPARE(form().ClassroomDrawCount() - drawsBefore, 2);
        QCOMPARE(m_session->BoxesSinceJoin(), QStringList{u"'zz' is not a valid integer value"_s});
        QVERIFY(IconAt(form().ClassroomPicture(), 60, 120, 3));
        QVERIFY(!Application().Terminated());
    }

    void chat_marksAnAbsentSenderPresent_keepsAPresentOne()
    {
        joinClass();
        const int drawsBefore = form().ClassroomDrawCount();
        m_commServer->SendLine(Packet({"Jane", "Doe", "12", "0", "0", "Hi"}));
        m_commServer->SendLine(Packet({"Bo", "Li", "4", "3"}));
        m_commServer->SendLine(Packet({"bo", "li", "12", "0", "0", "Hi"}));
        sendMarkerAndWait();
        QCOMPARE((QList<int>{status(0), status(1), status(2), int(form().Teacher().FStatus)}),
                 (QList<int>{1, 3, 0, 0}));
        QCOMPARE(form().ClassroomDrawCount() - drawsBefore, 2);
        QVERIFY(IconAt(form().ClassroomPicture(), 60, 120, 1));
    }

    void classroomTab_sixColumnsAtDesignedSize_resizeRedraws()
    {
        joinClass({"A", "One", "B", "Two", "C", "Three", "D", "Four", "E", "Five", "F", "Six", "G", "Seven"});
        m_commServer->SendLine(Packet({"Srv", "", "9", "5", "G", "Seven", "4", "B", "Two", "2"}));
        sendMarkerAndWait();
        control<QTabWidget>(u"PageControl_Main"_s)->setCurrentIndex(1);
        auto* panel = control<QFrame>(u"Panel_Class"_s);
        QTRY_COMPARE(panel->width(), control<QWidget>(u"ts_Classroom"_s)->width());
        QCOMPARE(Brivane::ClassroomColumns(panel->width()), 6);
        const QImage& picture = form().ClassroomPicture();
        QVERIFY(IconAt(picture, 180, 120, 2));
        QVERIFY(IconAt(picture, 660, 120, 0));
        QVERIFY(IconAt(picture, 60, 200, 4));
        QVERIFY(IconAt(picture, panel->width() / 2 - 16, 40, 5));

        const int draws = form().ClassroomDrawCount();
        panel->resize(299, panel->height());
        QCOMPARE(form().ClassroomDrawCount(), draws + 1);
        QVERIFY(IconAt(picture, 133, 40, 5));
        QVERIFY(IconAt(picture, 60, 200, 2));
        QVERIFY(IconAt(picture, 60, 600, 4));
    }
};

QTEST_MAIN(TestClassroom)
#include "test_classroom.moc"
