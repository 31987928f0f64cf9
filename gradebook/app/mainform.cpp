#include "mainform.h"

#include "apppath.h"
#include "nameserverprotocol.h"
#include "ui_mainform.h"

namespace Cortelle {

using namespace Quillon;

TForm_Main::TForm_Main(QWidget* parent) : TSignInWindow(parent), ui(std::make_unique<Ui::TForm_Main>())
{
    ui->setupUi(this);
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
}

void TForm_Main::FormDestroy()
{
    FCourseList.clear();
    FRoster.reset();
    FColumnTitles.clear();
    FLetter.clear();
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

void TForm_Main::TitlesArrival(const QList<QByteArray>& columnTitles, const QList<QByteArray>& groupTitleTexts)
{
    FColumnTitles += columnTitles;
    Q_UNUSED(groupTitleTexts);
}

void TForm_Main::RosterArrival()
{
}

} // namespace Cortelle
