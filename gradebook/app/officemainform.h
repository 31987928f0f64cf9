#pragma once

#include "common/ui/programoptions.h"
#include "common/ui/signinwindow.h"
#include "gradebook/book/title.h"

#include <QByteArray>
#include <QList>

#include <memory>

class QCloseEvent;

namespace Cortelle {

namespace Ui {
class TForm_Main;
}

class TGradeBookPage;
class TGradeExport;
class TMailCenterPage;

// The course office's main window: the sign-in at the name server, and the units it places on its
// tabs: the grade book on "Manage Tool" with its export, the mail centre on "Message Center". The
// name-server connection stays open for the whole run and carries the grade uploads.
class TForm_Main : public Quillon::TSignInWindow
{
    Q_OBJECT

public:
    // The services in options are used as they are: the options must outlive the window.
    explicit TForm_Main(const Quillon::TProgramOptions& options, QWidget* parent = nullptr);
    ~TForm_Main() override;

    const QList<QByteArray>& ColumnTitles() const;
    const QList<TTitle>& GroupTitles() const;

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

private:
    std::unique_ptr<Ui::TForm_Main> ui;
    TGradeBookPage* m_gradeBook = nullptr; // on ts_mangetool, owned by it
    std::unique_ptr<TGradeExport> m_export;
    TMailCenterPage* m_mail = nullptr; // on ts_MScenter, owned by it
    bool m_closeAfterMailRun = false;
};

} // namespace Cortelle
