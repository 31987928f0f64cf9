// A console or course office that works until it is killed: it joins a scripted class, receives
// chat lines or has grades typed, prints the ready line once all of it is shown and then waits.
// Started by the recovery test as a process of its own.
#include "tests/endtoend/crashing_session.h"
#include "tests/gradebook/app/officesession.h"
#include "tests/support/consolesession.h"

#include "gradebook/grid/stringgridmodel.h"

#include <QTest>

#include <cstdio>

class CrashingSessionRun : public QObject
{
    Q_OBJECT

    static void ready()
    {
        std::printf("\n%s\n", CrashingSession::ReadyLine.constData());
        std::fflush(stdout);
        QTest::qWait(600000);
    }

private Q_SLOTS:
    void run()
    {
        const QString state = qEnvironmentVariable(CrashingSession::StateVariable);
        QVERIFY(!state.isEmpty());
        if (qEnvironmentVariable(CrashingSession::ModeVariable) == QStringLiteral("console")) {
            ConsoleSession console;
            console.SetStateHome(state);
            console.JoinClass();
            for (const QByteArray& line : CrashingSession::ChatLines())
                console.Deliver({"Jane", "Doe", "2", "0", "-1", line});
            ready();
        } else {
            OfficeSession office;
            office.SetStateHome(state);
            QVERIFY(office.Open(CrashingSession::ColumnTitles, "", CrashingSession::RosterAtCrash));
            QVERIFY(office.Cells().setData(office.Cells().index(2, 3), QStringLiteral("B-")));
            QVERIFY(office.Cells().setData(office.Cells().index(3, 4), QStringLiteral("D+")));
            ready();
        }
    }
};

QTEST_MAIN(CrashingSessionRun)
#include "crashing_session.moc"
