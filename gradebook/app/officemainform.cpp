#include "gradebook/app/officemainform.h"

#include "common/core/apppath.h"
#include "common/core/error.h"
#include "common/core/nameserverprotocol.h"
#include "common/ui/application.h"
#include "common/ui/errorreport.h"
#include "common/ui/guardedconnect.h"
#include "common/ui/messages.h"
#include "gradebook/book/gradebookpage.h"
#include "gradebook/export/gradeexport.h"
#include "gradebook/grid/stringgridmodel.h"
#include "gradebook/mail/mailcenterpage.h"
#include "ui_officemainform.h"

#include <QAction>
#include <QCloseEvent>

#include <utility>

using namespace Qt::StringLiterals;

namespace Cortelle {

using namespace Quillon;

namespace {

TSpreadsheetLauncher& SpreadsheetOf(const TProgramOptions& options)
{
    if (!options.Services.Spreadsheet)
        throw Error(u"The course office was started without a spreadsheet program."_s);
    return *options.Services.Spreadsheet;
}

TMailTransport& MailOf(const TProgramOptions& options)
{
    if (!options.Services.Mail)
        throw Error(u"The course office was started without a mail transport."_s);
    return *options.Services.Mail;
}

TFileDialogs& DialogsOf(const TProgramOptions& options)
{
    if (!options.Services.Dialogs)
        throw Error(u"The course office was started without file dialogs."_s);
    return *options.Services.Dialogs;
}

} // namespace

TForm_Main::TForm_Main(const TProgramOptions& options, QWidget* parent)
    : TSignInWindow(options, parent), ui(std::make_unique<Ui::TForm_Main>())
{
    ui->setupUi(this);
    FormCreate();

    m_gradeBook = new TGradeBookPage(
        {*FRoster, FCourse, [this](const QByteArray& line) { TCPClient_NameServer.WriteLn(line); }},
        ui->ts_mangetool);
    ui->mangetoolLayout->addWidget(m_gradeBook);
    m_export = std::make_unique<TGradeExport>(this, SpreadsheetOf(options));
    m_mail = new TMailCenterPage({*FRoster, m_gradeBook->ColumnTitles(), ConfigPath() + ConfigFileName,
                                  MailOf(options), DialogsOf(options)},
                                 ui->ts_MScenter);
    ui->mscenterLayout->addWidget(m_mail);
    ui->PageControl_Main->setCurrentWidget(ui->ts_MScenter);

    ConnectGuarded(m_gradeBook->SaveAction(), &QAction::triggered, this,
                   [this] { Action_SaveDataExecute(); });
    ConnectGuarded(m_gradeBook->ExportAction(), &QAction::triggered, this, [this] { Action_ExcelExecute(); });
    // A close asked for during a mail run comes back once the letter in flight is out.
    ConnectGuarded(m_mail, &TMailCenterPage::RunEnded, this, [this] {
        if (std::exchange(m_closeAfterMailRun, false))
            PostGuarded(this, [this] { close(); });
    });
}

TForm_Main::~TForm_Main()
{
    FormDestroy();
}

void TForm_Main::FormCreate()
{
    FRoster = std::make_unique<TStudentList>();
    AppPath = ConfigPath();
    FCourseList.clear();
}

void TForm_Main::FormDestroy()
{
    FCourseList.clear();
    FRoster.reset();
}

const QList<QByteArray>& TForm_Main::ColumnTitles() const
{
    return m_gradeBook->ColumnTitles();
}

const QList<TTitle>& TForm_Main::GroupTitles() const
{
    return m_gradeBook->GroupTitles();
}

const QByteArray& TForm_Main::CredentialsCode() const
{
    return NameServer::OfficeCredentialsCode;
}

void TForm_Main::HandleNameServerMessage(int code, QByteArray& rest)
{
    switch (code) {
    case NameServer::Titles: {
        QList<QByteArray> columnTitles;
        QList<QByteArray> groupTitleTexts;
        NameServer::ReadTitles(rest, columnTitles, groupTitleTexts);
        TitlesArrival(columnTitles, groupTitleTexts);
        TCPClient_NameServer.WriteLn(NameServer::AcknowledgementLine());
        break;
    }
    case NameServer::Roster:
        NameServer::ReadOfficeRoster(rest, *FRoster);
        RosterArrival();
        break;
    default:
        break;
    }
}

void TForm_Main::TitlesArrival(const QList<QByteArray>& columnTitles,
                               const QList<QByteArray>& groupTitleTexts)
{
    m_gradeBook->TitlesArrival(columnTitles, groupTitleTexts);
}

void TForm_Main::RosterArrival()
{
    ReadMailSettings();
    m_gradeBook->ClearGrid();
    ShowGroupTitles();
    BuildGradeGrid();
    FillRecipientList();
    m_gradeBook->KeepDraft(FLoginFirstName + ' ' + FLoginLastName);
}

void TForm_Main::ShowGroupTitles()
{
    m_gradeBook->ShowGroupTitles();
}

void TForm_Main::BuildGradeGrid()
{
    m_gradeBook->BuildGradeGrid();
}

void TForm_Main::ReadMailSettings()
{
    m_mail->ReadMailSettings();
}

void TForm_Main::FillRecipientList()
{
    m_mail->FillRecipientList();
}

void TForm_Main::Action_SaveDataExecute()
{
    m_gradeBook->Action_SaveDataExecute();
}

void TForm_Main::Action_ExcelExecute()
{
    m_export->Action_ExcelExecute(m_gradeBook->Built() ? &m_gradeBook->Cells() : nullptr);
}

void TForm_Main::closeEvent(QCloseEvent* event)
{
    if (m_mail->Running()) {
        m_mail->StopAfterLetterInFlight();
        m_closeAfterMailRun = true;
        event->ignore();
        return;
    }
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void TForm_Main::FormCloseQuery(bool& CanClose)
{
    // Ending from inside (login cancelled, refusal, no name server) asks nothing.
    if (Application().Terminated())
        return;
    CanClose = false;
    // Handled here rather than by the caller: a failed upload must keep the window open.
    Guarded(this, [this, &CanClose] {
        switch (Ask(this, u"Do you want to save grades"_s, TQuestion::YesNoCancel)) {
        case TAnswer::Yes:
            // A refused or failed upload keeps the window open, so no grades are lost.
            CanClose = m_gradeBook->SaveData();
            break;
        case TAnswer::No:
            m_gradeBook->DiscardDraft();
            CanClose = true;
            break;
        default:
            break;
        }
    });
}

} // namespace Cortelle
