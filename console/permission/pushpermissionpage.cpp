#include "console/permission/pushpermissionpage.h"

#include "common/core/ansi.h"
#include "common/ui/guardedconnect.h"
#include "common/ui/messages.h"
#include "console/link/classcontext.h"
#include "console/link/classlink.h"
#include "console/protocol/commserverprotocol.h"
#include "ui_pushpermissionpage.h"

namespace Brivane {

using namespace Quillon;

namespace {

void ShowNames(QListWidget* list, const QList<QByteArray>& names)
{
    list->clear();
    for (const QByteArray& name : names)
        list->addItem(Ansi::ToDisplay(name));
}

} // namespace

TPushPermissionPage::TPushPermissionPage(TClassContext& context, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TPushPermissionPage>()), m_class(context), FLists(context)
{
    ui->setupUi(this);
    ui->SpeedButton1->setDefaultAction(ui->Action_Grant);
    ui->SpeedButton4->setDefaultAction(ui->Action_Revoke);
    ui->BitBtn2->setDefaultAction(ui->Action_Refreshlist);

    ConnectGuarded(ui->Action_Grant, &QAction::triggered, this, [this] { Action_GrantExecute(); });
    ConnectGuarded(ui->Action_Revoke, &QAction::triggered, this, [this] { Action_RevokeExecute(); });
    ConnectGuarded(ui->Action_Refreshlist, &QAction::triggered, this,
                   [this] { Action_RefreshlistExecute(); });
    ConnectGuarded(ui->cbxOnlyTeacher, &QCheckBox::clicked, this, [this] { cbxOnlyTeacherClick(); });
    ConnectGuarded(ui->cbxDisablePrivate, &QCheckBox::clicked, this, [this] { cbxDisablePrivateClick(); });
}

TPushPermissionPage::~TPushPermissionPage() = default;

// The student is taken before the question: while the box is open the communication loop runs
// on, and a student going offline may shift the rows under the selection.
void TPushPermissionPage::Action_GrantExecute()
{
    const int student = FLists.OnlineAt(ui->ListBox_online->currentRow());
    if (student < 0) {
        ShowNotice(this, PushPermissionText::SelectLeft);
        return;
    }
    const QByteArray name = FLists.NameOf(student);
    if (Ask(this, PushPermissionText::GrantQuestion(name), TQuestion::YesNo) != TAnswer::Yes)
        return;
    if (FLists.HasPermissionListed(student)) {
        ShowNotice(this, PushPermissionText::AlreadyListed(name));
        return;
    }
    const QByteArray line = FLists.Grant(student);
    ShowLists();
    m_class.Link().Send(line);
}

void TPushPermissionPage::Action_RevokeExecute()
{
    const int student = FLists.PushAt(ui->ListBox_Push->currentRow());
    if (student < 0) {
        ShowNotice(this, PushPermissionText::SelectRight);
        return;
    }
    if (Ask(this, PushPermissionText::RevokeQuestion(FLists.NameOf(student)), TQuestion::YesNo) !=
        TAnswer::Yes)
        return;
    const QByteArray line = FLists.Revoke(student);
    ShowLists();
    m_class.Link().Send(line);
}

void TPushPermissionPage::Action_RefreshlistExecute()
{
    FLists.Refresh();
    ShowLists();
}

void TPushPermissionPage::RemoveFromPushList(const TStudent& student)
{
    FLists.RemoveOffline(student);
    ShowNames(ui->ListBox_Push, FLists.PushNames());
}

void TPushPermissionPage::cbxOnlyTeacherClick()
{
    m_class.Link().Send(CommServer::OnlyPushToTeacherLine(ui->cbxOnlyTeacher->isChecked()));
}

void TPushPermissionPage::cbxDisablePrivateClick()
{
    m_class.Link().Send(CommServer::DisablePrivateTalkingLine(ui->cbxDisablePrivate->isChecked()));
}

void TPushPermissionPage::ShowLists()
{
    ShowNames(ui->ListBox_Push, FLists.PushNames());
    ShowNames(ui->ListBox_online, FLists.OnlineNames());
}

} // namespace Brivane
