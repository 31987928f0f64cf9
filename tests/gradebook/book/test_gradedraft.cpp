#include "common/core/error.h"
#include "gradebook/book/gradedraft.h"

#include <QTest>

using namespace Cortelle;
using Quillon::TStudentList;

namespace {

// Students as pairs of identifier and first name.
void Fill(TStudentList& roster, const QList<QByteArray>& students)
{
    for (qsizetype i = 0; i + 1 < students.size(); i += 2) {
        Quillon::TStudent* student = roster.Add();
        student->FStudentID = students[i];
        student->FFirstName = students[i + 1];
    }
}

} // namespace

Q_DECLARE_METATYPE(TGradeEdit)

class TestGradeDraft : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bytes_roundTripEveryByte_latestEditOfACellWins()
    {
        TGradeDraft draft;
        draft.Record({"s1", "Quiz\xE9 1", 0, "A"});
        draft.Record({"s\x80\"2", "Mid$$$term", 1, "B;\n\\"});
        draft.Record({"s1", "Quiz\xE9 1", 0, "A-"});
        const TGradeDraft read = TGradeDraft::FromBytes(draft.ToBytes());
        QCOMPARE(read.Edits(),
                 (QList<TGradeEdit>{{"s1", "Quiz\xE9 1", 0, "A-"}, {"s\x80\"2", "Mid$$$term", 1, "B;\n\\"}}));
    }

    void fromBytes_notADraft_throws_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << QByteArray(R"({"edits":[["s1","Quiz",0,)");
        QTest::newRow("no edits") << QByteArray(R"({"grades":[]})");
        QTest::newRow("three fields") << QByteArray(R"({"edits":[["s1","Quiz","A"]]})");
        QTest::newRow("negative occurrence") << QByteArray(R"({"edits":[["s1","Quiz",-1,"A"]]})");
        QTest::newRow("beyond one byte") << QByteArray(R"({"edits":[["s1","Quiz",0,"\u20ac"]]})");
    }
    void fromBytes_notADraft_throws()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY_THROWS_EXCEPTION(Quillon::Error, TGradeDraft::FromBytes(bytes));
    }

    // The grid at the crash had columns Quiz, Midterm, Quiz and students s1, s2.
    void place_matchesByIdentifierAndTitle_data()
    {
        QTest::addColumn<QList<QByteArray>>("titles");
        QTest::addColumn<QList<QByteArray>>("students");
        QTest::addColumn<TGradeEdit>("edit");
        QTest::addColumn<int>("col"); // -1: not placed, reported
        QTest::addColumn<int>("row");

        const QList<QByteArray> titles{"Quiz", "Midterm", "Quiz"};
        QTest::newRow("same class") << titles << QList<QByteArray>{"s1", "Jane", "s2", "Bo"}
                                    << TGradeEdit{"s2", "Midterm", 0, "B"} << 4 << 3;
        QTest::newRow("student moved down")
            << titles << QList<QByteArray>{"s3", "Al", "s1", "Jane", "s2", "Bo"}
            << TGradeEdit{"s2", "Midterm", 0, "B"} << 4 << 4;
        QTest::newRow("student left")
            << titles << QList<QByteArray>{"s2", "Bo"} << TGradeEdit{"s1", "Quiz", 0, "A"} << -1 << -1;
        QTest::newRow("column moved")
            << QList<QByteArray>{"Midterm", "Quiz", "Quiz"} << QList<QByteArray>{"s1", "Jane"}
            << TGradeEdit{"s1", "Midterm", 0, "C"} << 3 << 2;
        QTest::newRow("second of equal titles")
            << titles << QList<QByteArray>{"s1", "Jane"} << TGradeEdit{"s1", "Quiz", 1, "D"} << 5 << 2;
        QTest::newRow("column gone") << QList<QByteArray>{"Quiz", "Midterm"}
                                     << QList<QByteArray>{"s1", "Jane"} << TGradeEdit{"s1", "Quiz", 1, "D"}
                                     << -1 << -1;
        QTest::newRow("empty identifier")
            << titles << QList<QByteArray>{"", "Nobody"} << TGradeEdit{"", "Quiz", 0, "A"} << -1 << -1;
    }
    void place_matchesByIdentifierAndTitle()
    {
        QFETCH(QList<QByteArray>, titles);
        QFETCH(QList<QByteArray>, students);
        QFETCH(TGradeEdit, edit);
        QFETCH(int, col);
        QFETCH(int, row);
        TStudentList roster;
        Fill(roster, students);
        TGradeDraft draft;
        draft.Record(edit);

        const TDraftPlacement placement = PlaceDraft(draft, titles, roster);
        if (col < 0) {
            QVERIFY(placement.Placed.isEmpty());
            QCOMPARE(placement.Unmatched, QList<TGradeEdit>{edit});
            return;
        }
        QVERIFY(placement.Unmatched.isEmpty());
        QCOMPARE(placement.Placed.size(), 1);
        QCOMPARE(placement.Placed[0].Col, col);
        QCOMPARE(placement.Placed[0].Row, row);
        // What the grid reads back at that cell names the same edit again.
        QCOMPARE(EditAt(col, row, edit.Grade, titles, roster), std::optional<TGradeEdit>(edit));
    }

    void editAt_outsideTheGradeCells_none()
    {
        TStudentList roster;
        Fill(roster, {"s1", "Jane"});
        const QList<QByteArray> titles{"Quiz"};
        QVERIFY(!EditAt(2, 2, "x", titles, roster)); // e-mail column
        QVERIFY(!EditAt(3, 1, "x", titles, roster)); // title row
        QVERIFY(!EditAt(4, 2, "x", titles, roster)); // beyond the titles
        QVERIFY(!EditAt(3, 3, "x", titles, roster)); // beyond the roster
    }

    void fileName_plainAndPerTeacherAndCourse()
    {
        const QString name = GradeDraftFileName("Ann Lee", "../World History");
        QVERIFY(!name.contains(u'/'));
        QVERIFY(name.startsWith(u"grades-") && name.endsWith(u".draft"));
        QVERIFY(name != GradeDraftFileName("René Dubois", "../World History"));
        QVERIFY(name != GradeDraftFileName("Ann Lee", "Algebra I"));
    }
};

QTEST_GUILESS_MAIN(TestGradeDraft)
#include "test_gradedraft.moc"
