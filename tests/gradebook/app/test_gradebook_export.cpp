// Spreadsheet export from the real main window, the workbook read back by Debian's openpyxl.
#include "common/core/ansi.h"
#include "gradebook/app/officemainform.h"
#include "gradebook/grid/stringgrid.h"
#include "gradebook/grid/stringgridmodel.h"
#include "testdata.h"
#include "tests/gradebook/app/officesession.h"
#include "tests/support/recordingservices.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Quillon::TRecordingSpreadsheetLauncher;

namespace {

const QString Question = u"Are you sure to export all the data into LibreOffice Calc?"_s;

// The first worksheet as Debian's openpyxl reads it (the pyenv python3 lacks Debian's modules).
QJsonObject ReadBack(const QString& path)
{
    QProcess reader;
    reader.start(u"/usr/bin/python3"_s,
                 {QStringLiteral(QUILLON_SOURCE_DIR "/tests/gradebook/export/read_workbook.py"), path});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
        qWarning() << "reader failed:" << reader.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

// Every non-empty text of a workbook's first sheet, by (row, column) counted from 1.
QMap<QPair<int, int>, QString> Texts(const QJsonObject& sheet)
{
    QMap<QPair<int, int>, QString> texts;
    for (const QJsonValue& cell : sheet[u"cells"_s].toArray()) {
        const QJsonArray c = cell.toArray();
        texts.insert({c[0].toInt(), c[1].toInt()},
                     c[2].toString() == u"s"_s ? c[3].toString() : u"<not text>"_s);
    }
    return texts;
}

} // namespace

class TestGradeBookExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cancelled_startsNothing()
    {
        OfficeSession office;
        QVERIFY(office.Open("Q1", "", {"s1", "Jane", "Doe", "jane@example.org", "A"}));
        TRecordingSpreadsheetLauncher* launcher = &office.Spreadsheet();
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Cancel));
        office.Action("Action_Excel").trigger();
        QCOMPARE(office.Boxes().SeenTexts().last(), Question);
        QCOMPARE(office.Boxes().SeenBoxes().size(), 3);
        QVERIFY(launcher->Opened.isEmpty());
    }

    void beforeRoster_noticeAndNothingStarted()
    {
        OfficeSession office;
        QVERIFY(office.SignIn());
        QVERIFY(office.SendTitles("Q1;Q2", ""));
        TRecordingSpreadsheetLauncher* launcher = &office.Spreadsheet();
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        office.Action("Action_Excel").trigger();
        QCOMPARE(office.Boxes().SeenBoxes().size(), 3);
        QVERIFY(office.Boxes().SeenTexts().last().contains(u"roster"_s));
        QVERIFY(launcher->Opened.isEmpty());
    }

    void threeStudentsFourTitles_fillRowsOneToFour()
    {
        OfficeSession office;
        QVERIFY(office.Open("Quiz 1;Quiz 2;Midterm;Final", "Homework:3:5",
                            {"s1", "=1+1", " Lee ", "\xE9lise@example.org", " A ;;5;TRUE", //
                             "s2", "Ann", "Roy", "ann@example.org", "0042;-1;=SUM(A1:A2)", //
                             "s3", "Bo", "Li", "bo@example.org", "B;C;D;E;beyond"}));
        TRecordingSpreadsheetLauncher* launcher = &office.Spreadsheet();
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        office.Action("Action_Excel").trigger();
        QCOMPARE(office.Boxes().SeenTexts().last(), Question);
        QCOMPARE(launcher->Opened.size(), 1);

        const QJsonObject sheet = ReadBack(launcher->Opened.first());
        QVERIFY(!sheet.isEmpty());
        QCOMPARE(sheet[u"min_row"_s].toInt(), 1);
        QCOMPARE(sheet[u"min_col"_s].toInt(), 1);
        QCOMPARE(sheet[u"max_row"_s].toInt(), 4);
        QCOMPARE(sheet[u"max_col"_s].toInt(), 7);
        const QList<QStringList> rows{
            {u"First Name"_s, u"Last Name"_s, u"Email"_s, u"Quiz 1"_s, u"Quiz 2"_s, u"Midterm"_s, u"Final"_s},
            {u"=1+1"_s, u" Lee "_s, u"élise@example.org"_s, u" A "_s, QString(), u"5"_s, u"TRUE"_s},
            {u"Ann"_s, u"Roy"_s, u"ann@example.org"_s, u"0042"_s, u"-1"_s, u"=SUM(A1:A2)"_s, QString()},
            {u"Bo"_s, u"Li"_s, u"bo@example.org"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s},
        };
        QMap<QPair<int, int>, QString> expected;
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                if (!rows[r][c].isEmpty())
                    expected.insert({r + 1, c + 1}, rows[r][c]);
        QCOMPARE(Texts(sheet), expected); // no group titles, nothing beyond the last title
    }

    void editInTheEditor_reachesSaveAndExport()
    {
        OfficeSession office;
        QVERIFY(office.Open("Quiz 1;Midterm", "",
                            {"s1", "Jane", "Doe", "jane@example.org", "A;B", //
                             "s2", "Bo", "Li", "bo@example.org", "C;D"}));
        TRecordingSpreadsheetLauncher* launcher = &office.Spreadsheet();
        office.Form().findChild<QTabWidget*>(u"PageControl_Main"_s)->setCurrentIndex(0);
        office.Form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&office.Form()));
        Cortelle::TStringGrid& grid = office.Grid();
        grid.setFocus();
        grid.setCurrentIndex(office.Cells().index(3, 4)); // Bo's Midterm
        auto editor = [&grid] { return grid.viewport()->findChild<QLineEdit*>(); };
        QTRY_VERIFY(editor() && editor()->isVisible());
        QLineEdit* open = editor();
        open->selectAll();
        QTest::keyClicks(open, u" B+"_s);

        const qsizetype before = office.LineCount();
        QTest::mouseClick(office.Form().findChild<QToolButton*>(u"BitBtn_Save"_s), Qt::LeftButton);
        QCOMPARE(office.LinesFrom(before),
                 QList<QByteArray>{Packet({OfficeSession::Course, "s1", "A;B", "s2", "C;B+"})});
        QCOMPARE(editor(), open);
        QVERIFY(open->isVisible() && open->hasFocus());

        QTest::keyClicks(open, u"!"_s);
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        QTest::mouseClick(office.Form().findChild<QToolButton*>(u"BitBtn3"_s), Qt::LeftButton);
        QCOMPARE(launcher->Opened.size(), 1);
        const QMap<QPair<int, int>, QString> texts = Texts(ReadBack(launcher->Opened.first()));
        QCOMPARE(texts.value({3, 5}), u" B+!"_s); // untrimmed, as typed so far
    }
};

QTEST_MAIN(TestGradeBookExport)
#include "test_gradebook_export.moc"
