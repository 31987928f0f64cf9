#include "common/core/ansi.h"
#include "common/core/error.h"
#include "common/platform/spreadsheetlauncher.h"
#include "gradebook/export/exportblock.h"
#include "gradebook/export/privatefiles.h"
#include "gradebook/export/spreadsheetexport.h"
#include "gradebook/export/workbookwriter.h"
#include "gradebook/grid/stringgridmodel.h"
#include "testdata.h"
#include "tests/support/recordingservices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace Cortelle;
using Quillon::TRecordingSpreadsheetLauncher;

namespace {

constexpr auto GroupOrOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                               QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

// The first worksheet as Debian's openpyxl reads it.
QJsonObject ReadBack(const QString& path)
{
    QProcess reader;
    reader.start(u"/usr/bin/python3"_s, {QStringLiteral(QUILLON_TEST_DATA_DIR "/read_workbook.py"), path});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
        qWarning() << "reader failed:" << reader.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

// 3 students under 4 titles as the grade book holds them, with one text beyond the last column.
const QList<QList<QByteArray>> GradeBookRows{
    {"", "", "", "Homework", "Homework", "Homework", "", "group titles stay behind"},
    {"First Name", "Last Name", "Email", "Quiz 1", "Quiz 2", "Midterm", "Final", "hidden"},
    {"=1+1", " Lee ", "\xE9lise@example.org", "A", "", "5 \x80", "TRUE", "hidden"},
    {"Ann", "Roy", "ann@example.org", "0042", "-1", "=SUM(A1:A2)", "  ", "hidden"},
    {"Ren\xE9", "O'Neil", "rene@example.org", "B+;C", "$$$", "1/2", "A ", "hidden"},
};

void FillGradeBook(TStringGridModel& model)
{
    model.SetRowCount(5);
    model.SetColCount(7);
    model.SetFixedRows(2);
    model.SetFixedCols(3);
    for (int r = 0; r < GradeBookRows.size(); ++r) {
        for (int c = 0; c < GradeBookRows[r].size(); ++c) {
            model.SetCells(c, r, GradeBookRows[r][c]);
        }
    }
}

} // namespace

class TestSpreadsheetExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workbook_holdsHeaderAndStudentsAsUntouchedText();
    void textsWithFormatEscapes_readBackAsTyped();
    void emptyGrid_givesAnEmptyWorkbook();
    void privateFiles_areOwnerOnlyAndLastUntilTheirOwnerEnds();
    void unwritableTarget_throws_data();
    void unwritableTarget_throws();
    void noPrivateFolder_throwsAndStartsNothing();
};

void TestSpreadsheetExport::workbook_holdsHeaderAndStudentsAsUntouchedText()
{
    TStringGridModel model;
    FillGradeBook(model);
    QTemporaryDir base;
    TPrivateFiles files(base.path());
    TRecordingSpreadsheetLauncher launcher;

    const QString path = ExportToSpreadsheet(BuildExportBlock(model), files, launcher);
    QCOMPARE(launcher.Opened, QStringList{path});

    const QJsonObject sheet = ReadBack(path);
    QVERIFY(!sheet.isEmpty());
    QCOMPARE(sheet[u"sheets"_s].toArray().size(), 1);
    QCOMPARE(sheet[u"min_row"_s].toInt(), 1);
    QCOMPARE(sheet[u"min_col"_s].toInt(), 1);
    QCOMPARE(sheet[u"max_row"_s].toInt(), 4);
    QCOMPARE(sheet[u"max_col"_s].toInt(), 7);
    QJsonArray expected;
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 7; ++c) {
            const QByteArray& text = GradeBookRows[r][c - 1];
            if (!text.isEmpty()) {
                expected.append(QJsonArray{r, c, u"s"_s, Quillon::Ansi::ToDisplay(text)});
            }
        }
    }
    QCOMPARE(sheet[u"cells"_s].toArray(), expected);
}

// Texts the file format would read otherwise: its own "_xHHHH_" escapes, a NUL byte, control
// characters, all in one sheet read back by openpyxl.
void TestSpreadsheetExport::textsWithFormatEscapes_readBackAsTyped()
{
    const QList<QByteArray> texts{
        QByteArray("A\0B", 3),   QByteArray("\0", 1), "_x0041_",        "_x005F_",   "a_x00e9_b_X0041_",
        "_x004_ _xZZZZ_ _x0041", "\x01\x08\x1F",      "tab\tand\nline", "__x0041__", "_x0000_",
    };
    ExportBlock block(1, static_cast<int>(texts.size()));
    for (int c = 0; c < texts.size(); ++c)
        block.Set(0, c, texts[c]);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Escapes.xlsx"_s);
    WriteWorkbook(block, path);

    QJsonArray expected;
    for (int c = 0; c < texts.size(); ++c)
        expected.append(QJsonArray{1, c + 1, u"s"_s, Quillon::Ansi::ToDisplay(texts[c])});
    QCOMPARE(ReadBack(path)[u"cells"_s].toArray(), expected);
}

void TestSpreadsheetExport::emptyGrid_givesAnEmptyWorkbook()
{
    TStringGridModel model; // before any roster: one row, one column
    model.SetCells(0, 0, "Homework");
    const ExportBlock block = BuildExportBlock(model);
    QVERIFY(block.IsEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(u"empty.xlsx"_s);
    WriteWorkbook(block, path);
    QCOMPARE(ReadBack(path)[u"cells"_s].toArray(), QJsonArray());
}

void TestSpreadsheetExport::privateFiles_areOwnerOnlyAndLastUntilTheirOwnerEnds()
{
    TStringGridModel model;
    FillGradeBook(model);
    QTemporaryDir base;
    TRecordingSpreadsheetLauncher launcher;
    QStringList paths;
    const mode_t oldMask = ::umask(0); // what the process would otherwise give away
    {
        TPrivateFiles files(base.path());
        paths << ExportToSpreadsheet(BuildExportBlock(model), files, launcher)
              << ExportToSpreadsheet(BuildExportBlock(model), files, launcher);
        ::umask(oldMask);
        QCOMPARE_NE(QFileInfo(paths[0]).absolutePath(), QFileInfo(paths[1]).absolutePath());
        for (const QString& path : paths) {
            QCOMPARE(QFile::permissions(path) & (GroupOrOthers | QFileDevice::ExeOwner), 0);
            QCOMPARE(QFile::permissions(path) & QFileDevice::ReadOwner, QFileDevice::ReadOwner);
            const QString dir = QFileInfo(path).absolutePath();
            QCOMPARE(QFile::permissions(dir) & GroupOrOthers, 0);
            QCOMPARE(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                     QStringList{u"Grades.xlsx"_s});
        }
    }
    ::umask(oldMask);
    for (const QString& path : paths) {
        QVERIFY(!QFileInfo::exists(QFileInfo(path).absolutePath()));
    }
}

void TestSpreadsheetExport::unwritableTarget_throws_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << u"missing/Grades.xlsx"_s;
    QTest::newRow("target is a folder") << u"folder"_s;
}

void TestSpreadsheetExport::unwritableTarget_throws()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    const QString path = dir.filePath(target);
    ExportBlock block(1, 1);
    block.Set(0, 0, "A");
    try {
        WriteWorkbook(block, path);
        QFAIL("no error");
    } catch (const Quillon::Error& error) {
        QVERIFY2(error.message().contains(path), qPrintable(error.message()));
    }
    QVERIFY(QFileInfo(dir.filePath(u"folder"_s)).isExecutable());
}

void TestSpreadsheetExport::noPrivateFolder_throwsAndStartsNothing()
{
    TPrivateFiles files(u"/nonexistent/cortelle"_s);
    TRecordingSpreadsheetLauncher launcher;
    TStringGridModel model;
    FillGradeBook(model);
    QVERIFY_THROWS_EXCEPTION(Quillon::Error, ExportToSpreadsheet(BuildExportBlock(model), files, launcher));
    QVERIFY(launcher.Opened.isEmpty());
}

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheetexport.moc"
