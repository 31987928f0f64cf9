#include "mainform.h"

#include "application.h"
#include "apppath.h"
#include "errorreport.h"
#include "messages.h"
#include "nameserverprotocol.h"
#include "spreadsheetlauncher.h"
#include "stringgridmodel.h"
#include "ui_mainform.h"

#include <QCloseEvent>

using namespace Qt::StringLiterals;

namespace Cortelle {

using namespace Quillon;

TForm_Main::TForm_Main(QWidget* parent)
    : TSignInWindow(parent), ui(std::make_unique<Ui::TForm_Main>()),
      m_spreadsheet(std::make_unique<TCalcLauncher>())
{
    ui->setupUi(this);
    ui->BitBtn_Save->setDefaultAction(ui->Action_SaveData);
    ui->BitBtn3->setDefaultAction(ui->Action_Excel);
    connect(ui->Action_SaveData, &QAction::triggered, this, [this] { Action_SaveDataExecute(); });
    connect(ui->Action_Excel, &QAction::triggered, this, [this] { Action_ExcelExecute(); });

    m_grid = new TStringGridModel(ui->sgrdMain);
    // Only grade cells take edits, also where a short grade book fixes fewer rows or columns.
    m_grid->SetFirstEditableRow(2);
    m_grid->SetFirstEditableCol(3);
    ui->sgrdMain->SetGridModel(m_grid);
    ui->sgrdMain->SetDefaultColWidth(120);
    ui->sgrdMain->hide();

    FormCreate();
}

TForm_Main::~TForm_Main()
{
    FormDestroy();
}

void TForm_Main::FormCreate()
{
    FRoster = std::make_unique<TStudentList>();
    AppPath = ExecutableDirectory();
    FCourseList.clear();
    FColumnTitles.clear();
    FLetter.clear();
    FGroupTitles.clear();
}

void TForm_Main::FormDestroy()
{
    FCourseList.clear();
    FRoster.reset();
    FColumnTitles.clear();
    FGroupTitles.clear();
    FLetter.clear();
}

void TForm_Main::SetSpreadsheetLauncher(std::unique_ptr<TSpreadsheetLauncher> launcher)
{
    m_spreadsheet = launcher ? std::move(launcher) : std::make_unique<TCalcLauncher>();
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

void TForm_Main::closeEvent(QCloseEvent* event)
{
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
    Guarded(this, [this, &CanClose] {
        switch (Ask(this, u"Do you want to save grades"_s, TQuestion::YesNoCancel)) {
        case TAnswer::Yes:
            // A refused or failed upload keeps the window open, so no grades are lost.
            CanClose = SaveData();
            break;
        case TAnswer::No:
            CanClose = true;
            break;
        default:
            break;
        }
    });
}

} // namespace Cortelle
