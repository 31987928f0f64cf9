// The "Push Permission" and "Meeting Information" tabs on the real window after sign-in: the
// lists refreshed on turning to the page, a student going offline through the communication
// loop, the date of the minutes, and the lines reaching the scripted communication server.
#include "console/protocol/commserverprotocol.h"
#include "tests/support/consolesession.h"
#include "tests/support/pagecontrols.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPermissionWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConsoleSession> m_session;

    QListWidget* list(const QString& name) const { return m_session->Control<QListWidget>(name); }
    void turnTo(int page) const
    {
        m_session->Control<QTabWidget>(u"PageControl_Main"_s)->setCurrentIndex(page);
    }

    // Jane Doe, Mary Ann Okafor and Al Ng in class, Bo Li not.
    void joinClass()
    {
        ConsoleSession::Join join;
        join.roster = {"Jane", "Doe", "Mary Ann", "Okafor", "Bo", "Li", "Al", "Ng"};
        m_session->JoinClass(join);
        m_session->Deliver(
            {"Srv", "", "9", "1", "Jane", "Doe", "1", "Mary Ann", "Okafor", "2", "Al", "Ng", "7"});
    }

private Q_SLOTS:
    void init() { m_session = std::make_unique<ConsoleSession>(); }
    void cleanup() { m_session.reset(); }

    void afterSignIn_turningToThePage_listsEveryOnlineStudentOnBothSides()
    {
        joinClass();
        QCOMPARE(ListItems(list(u"ListBox_online"_s)), QStringList());
        turnTo(3);
        const QStringList online{u"Jane Doe"_s, u"Mary Ann Okafor"_s, u"Al Ng"_s};
        QCOMPARE(ListItems(list(u"ListBox_online"_s)), online);
        QCOMPARE(ListItems(list(u"ListBox_Push"_s)), online);

        // Gone offline: out of the right list at once, in the left one until the next refresh.
        m_session->Deliver({"Jane", "Doe", "4", "0"});
        QCOMPARE(ListItems(list(u"ListBox_online"_s)), online);
        QCOMPARE(ListItems(list(u"ListBox_Push"_s)), (QStringList{u"Mary Ann Okafor"_s, u"Al Ng"_s}));
        turnTo(4);
        turnTo(3);
        QCOMPARE(ListItems(list(u"ListBox_online"_s)), (QStringList{u"Mary Ann Okafor"_s, u"Al Ng"_s}));
    }

    void minutes_todayAtFirstShow_sentThroughTheLink()
    {
        joinClass();
        auto* date = m_session->Control<QDateEdit>(u"dtsDate"_s);
        QCOMPARE(date->date(), QDate::currentDate());
        turnTo(4);
        QTest::mouseClick(m_session->Control<QAbstractButton>(u"BitBtn8"_s), Qt::LeftButton);
        const QByteArray expected =
            Packet({"11", "", Brivane::CommServer::ShortDate(QDate::currentDate()), "", ""});
        QTRY_VERIFY(m_session->CommServer().ReceivedLines().contains(expected));
    }
};

QTEST_MAIN(TestPermissionWindow)
#include "test_permission_window.moc"
