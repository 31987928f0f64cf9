#include "console/minutes/meetinginfopage.h"

#include "common/ui/guardedconnect.h"
#include "console/link/classcontext.h"
#include "console/link/classlink.h"
#include "console/minutes/meetingminutes.h"
#include "ui_meetinginfopage.h"

#include <QLocale>

namespace Brivane {

using namespace Quillon;

TMeetingInfoPage::TMeetingInfoPage(TClassContext& context, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TMeetingInfoPage>()), m_class(context)
{
    ui->setupUi(this);
    ui->dtsDate->setDisplayFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    ui->BitBtn3->setDefaultAction(ui->Action_MeetingInfoClear);
    ui->BitBtn8->setDefaultAction(ui->Action_MeetingInfoSend);

    ConnectGuarded(ui->Action_MeetingInfoClear, &QAction::triggered, this,
                   [this] { Action_MeetingInfoClearExecute(); });
    ConnectGuarded(ui->Action_MeetingInfoSend, &QAction::triggered, this,
                   [this] { Action_MeetingInfoSendExecute(); });
}

TMeetingInfoPage::~TMeetingInfoPage() = default;

void TMeetingInfoPage::ShowToday()
{
    ui->dtsDate->setDate(QDate::currentDate());
}

void TMeetingInfoPage::Action_MeetingInfoClearExecute()
{
    ui->memMPurpose->clear();
    ui->memMAgenda->clear();
    ui->memMConclusion->clear();
}

void TMeetingInfoPage::Action_MeetingInfoSendExecute()
{
    m_class.Link().Send(MeetingMinutes::MinutesLine(ui->memMPurpose->toPlainText(), ui->dtsDate->date(),
                                                    ui->memMAgenda->toPlainText(),
                                                    ui->memMConclusion->toPlainText()));
}

} // namespace Brivane
