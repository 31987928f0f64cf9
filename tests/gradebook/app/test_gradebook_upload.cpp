// Grade upload and the close question, on the real main window against a scripted name server.
#include "common/ui/application.h"
#include "gradebook/app/officemainform.h"
#include "gradebook/grid/stringgridmodel.h"
#include "tests/gradebook/app/officesession.h"

#include <QMessageBox>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QList<QByteArray> TwoStudents{"s1", "Jane", "Doe", "jane@example.org", "A;B", //
                                    "s2", "Bo",   "Li",  "bo@example.org",   "C;D"};

bool OpenTwoStudents(OfficeSession& office)
{
    return office.Open("Quiz 1;Midterm", "", TwoStudents);
}

// Nothing more arrives from the office within a short while.
bool NothingSentSince(OfficeSession& office, qsizetype count)
{
    QTest::qWait(300);
    return office.LineCount() == count;
}

} // namespace

class TestGradeUpload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twoSaves_sendTheWholeClassEachTime()
    {
        OfficeSession office;
        QVERIFY(OpenTwoStudents(office));
        const qsizetype before = office.LineCount();
        office.Action("Action_SaveData").trigger();
        office.Cells().setData(office.Cells().index(3, 4), u"D+"_s);
        office.Action("Action_SaveData").trigger();
        QTRY_COMPARE(office.LineCount(), before + 2);
        QCOMPARE(office.LinesFrom(before),
                 (QList<QByteArray>{Packet({OfficeSession::Course, "s1", "A;B", "s2", "C;D"}),
                                    Packet({OfficeSession::Course, "s1", "A;B", "s2", "C;D+"})}));
        QCOMPARE(office.Boxes().SeenBoxes().size(), 2); // nothing shown for a Save
    }

    void saveBeforeRoster_sendsCourseOnly()
    {
        OfficeSession office;
        QVERIFY(office.SignIn());
        QVERIFY(office.SendTitles("Quiz 1;Midterm", "G:3:4"));
        const qsizetype before = office.LineCount();
        office.Action("Action_SaveData").trigger();
        QCOMPARE(office.LinesFrom(before), QList<QByteArray>{Packet({OfficeSession::Course, ""})});
    }

    void closeQuestion_data()
    {
        QTest::addColumn<int>("answer"); // a box button, or 0 for the box's close box
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("uploads");
        QTest::newRow("Yes saves once and closes") << int(QMessageBox::Yes) << true << true;
        QTest::newRow("No closes without saving") << int(QMessageBox::No) << true << false;
        QTest::newRow("Cancel stays open") << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("dismissed stays open") << 0 << false << false;
    }

    void closeQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, uploads);
        OfficeSession office;
        QVERIFY(OpenTwoStudents(office));
        office.Boxes().Then(answer != 0 ? ModalWatcher::ClickBox(answer) : ModalWatcher::CloseWindow());
        const qsizetype before = office.LineCount();
        QCOMPARE(office.Form().close(), closes);
        QCOMPARE(office.Form().isVisible(), !closes);
        QCOMPARE(office.Boxes().SeenTexts().last(), u"Do you want to save grades"_s);
        QCOMPARE(office.Boxes().SeenBoxes().last().caption, u"Cortelle Version 3.1"_s);
        if (uploads)
            QCOMPARE(office.LinesFrom(before),
                     QList<QByteArray>{Packet({OfficeSession::Course, "s1", "A;B", "s2", "C;D"})});
        QVERIFY(NothingSentSince(office, before + (uploads ? 1 : 0)));
    }

    void closeQuestion_askedOnEveryClose_notWhenTheProgramEnds()
    {
        OfficeSession office;
        QVERIFY(OpenTwoStudents(office));
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Cancel));
        QVERIFY(!office.Form().close());
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Cancel));
        QVERIFY(!office.Form().close());
        QCOMPARE(office.Boxes().SeenBoxes().size(), 4);
        Quillon::Application().Terminate();
        QVERIFY(office.Form().close());
        QCOMPARE(office.Boxes().SeenBoxes().size(), 4);
    }

    void unsendableGrade_refusedBeforeSending_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("uploaded"); // empty: refused
        QTest::addColumn<QString>("named");       // student and title the refusal names
        const QByteArray course = OfficeSession::Course;
        QTest::newRow("list separator")
            << 2 << 3 << u"A;B"_s << QByteArray() << u"Jane Doe under \"Quiz 1\""_s;
        QTest::newRow("field separator")
            << 3 << 4 << u"x$$$y"_s << QByteArray() << u"Bo Li under \"Midterm\""_s;
        QTest::newRow("line break inside")
            << 2 << 4 << u"A\nB"_s << QByteArray() << u"Jane Doe under \"Midterm\""_s;
        QTest::newRow("carriage return inside")
            << 3 << 3 << u"A\rB"_s << QByteArray() << u"Bo Li under \"Quiz 1\""_s;
        QTest::newRow("dollar before the next student")
            << 2 << 4 << u"5$"_s << QByteArray() << u"Jane Doe under \"Midterm\""_s;
        QTest::newRow("dollar at the end of the line")
            << 3 << 4 << u"5$"_s << Packet({course, "s1", "A;B", "s2", "C;5$"}) << QString();
        QTest::newRow("dollars before a list separator")
            << 2 << 3 << u"$5$$"_s << Packet({course, "s1", "$5$$;B", "s2", "C;D"}) << QString();
        QTest::newRow("line break trimmed away")
            << 2 << 4 << u" B\n"_s << Packet({course, "s1", "A;B", "s2", "C;D"}) << QString();
    }

    void unsendableGrade_refusedBeforeSending()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, text);
        QFETCH(QByteArray, uploaded);
        QFETCH(QString, named);
        OfficeSession office;
        QVERIFY(OpenTwoStudents(office));
        QVERIFY(office.Cells().setData(office.Cells().index(row, col), text));
        const qsizetype before = office.LineCount();
        if (uploaded.isEmpty()) {
            office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
            office.Action("Action_SaveData").trigger();
            QCOMPARE(office.Boxes().SeenBoxes().size(), 3);
            QVERIFY2(office.Boxes().SeenTexts().last().contains(named),
                     qPrintable(office.Boxes().SeenTexts().last()));
            QVERIFY(NothingSentSince(office, before));
            // Refused from the close question, the window stays open.
            office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Yes));
            office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
            QVERIFY(!office.Form().close());
            QVERIFY(NothingSentSince(office, before));
        } else {
            office.Action("Action_SaveData").trigger();
            QCOMPARE(office.LinesFrom(before), QList<QByteArray>{uploaded});
            QCOMPARE(office.Boxes().SeenBoxes().size(), 2);
        }
    }

    void saveOnClosedConnection_reportsAndKeepsWindowOpen()
    {
        OfficeSession office;
        QVERIFY(OpenTwoStudents(office));
        office.NameServer().CloseClient();
        // The office ignores the failed read silently; the connection then counts as closed.
        QTRY_VERIFY(!office.Form().NameServerConnection().Connected());
        QCOMPARE(office.Boxes().SeenBoxes().size(), 2);

        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        office.Action("Action_SaveData").trigger();
        QCOMPARE(office.Boxes().SeenBoxes().size(), 3);
        QVERIFY(office.Boxes().SeenTexts().last().contains(u"Not Connected"_s));

        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Yes));
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        QVERIFY(!office.Form().close());
        QVERIFY(office.Form().isVisible());
        QCOMPARE(office.Boxes().SeenBoxes().size(), 5);
        QVERIFY(office.Boxes().SeenTexts().last().contains(u"Not Connected"_s));

        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::No));
        QVERIFY(office.Form().close());
    }
};

QTEST_MAIN(TestGradeUpload)
#include "test_gradebook_upload.moc"
