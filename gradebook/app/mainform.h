#pragma once

#include "privatefiles.h"
#include "signinwindow.h"
#include "studentlist.h"
#include "title.h"

#include <QByteArray>
#include <QList>

#include <memory>

class QCloseEvent;

namespace Cortelle {

namespace Ui {
class TForm_Main;
}

class TSpreadsheetLauncher;
class TStringGridModel;

// The course office's main window: the grade book on "Manage Tool", the mail centre on
// "Message Center". The grade book is built from the titles and roster of the sign-in and
// uploaded over the name-server connection, which stays open for the whole run.
class TForm_Main : public Quillon::TSignInWindow
{
    Q_OBJECT

public:
    explicit TForm_Main(QWidget* parent = nullptr);
    ~TForm_Main() override;

    const QList<QByteArray>& ColumnTitles() const { return FColumnTitles; }
    const QList<TTitle>& GroupTitles() const { return FGroupTitles; }

    // Where exports are opened; the spreadsheet program (Calc) unless a test stands in for it.
    void SetSpreadsheetLauncher(std::unique_ptr<TSpreadsheetLauncher> launcher);

protected:
    const QByteArray& CredentialsCode() const override;
    bool AppendsCourseList() const override { return false; }
    bool IgnoresNameServerReadErrors() const override { return true; }
    void HandleNameServerMessage(int code, QByteArray& rest) override;
    void closeEvent(QCloseEvent* event) override;

    void FormCreate();
    void FormDestroy();
    void FormCloseQuery(bool& CanClose);

    // Run for each titles message and once the roster has been refilled.
    void TitlesArrival(const QList<QByteArray>& columnTitles, const QList<QByteArray>& groupTitleTexts);
    void RosterArrival();
    void ShowGroupTitles();
    void BuildGradeGrid();

    // Hand-over points of the mail centre, run by the roster arrival.
    void ReadMailSettings();
    void FillRecipientList();

    void Action_SaveDataExecute();
    void Action_ExcelExecute();

    QList<QByteArray> FColumnTitles;
    QList<TTitle> FGroupTitles;
    QList<QByteArray> FLetter;

private:
    // The upload itself; false when a grade was refused (the teacher has been told). Throws
    // when the write fails.
    bool SaveData();
    void ExportData();

    std::unique_ptr<Ui::TForm_Main> ui;
    TStringGridModel* m_grid = nullptr; // the cells of sgrdMain, owned by the grid
    bool m_gradeBookBuilt = false;
    // Exported workbooks stay until the program ends: the spreadsheet program reads them later.
    TPrivateFiles m_exportFiles;
    std::unique_ptr<TSpreadsheetLauncher> m_spreadsheet;
};

} // namespace Cortelle
