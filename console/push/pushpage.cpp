#include "console/push/pushpage.h"

#include "common/core/ansi.h"
#include "common/platform/shellopen.h"
#include "common/ui/guardedconnect.h"
#include "console/link/classcontext.h"
#include "console/link/classlink.h"
#include "ui_pushpage.h"

#include <QAction>
#include <QPushButton>

#include <utility>

namespace Brivane {

using namespace Quillon;

TPushPage::TPushPage(TClassContext& context, TShellOpen& shell,
                     TPushedContentOpener::TShowMainPage showMainPage, QWidget* parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::TPushPage>()), m_class(context), m_shell(shell),
      m_opener(context, shell, std::move(showMainPage))
{
    ui->setupUi(this);
    ui->BitBtn_Push->setDefaultAction(ui->Action_Push);
    ui->BitBtn4->setDefaultAction(ui->Action_Clear);
    ConnectGuarded(ui->Action_Push, &QAction::triggered, this, [this] { Action_PushExecute(); });
    ConnectGuarded(ui->Action_Clear, &QAction::triggered, this, [this] { Action_ClearExecute(); });
    for (QPushButton* preview : {ui->BitBtn1, ui->Preview_Audio, ui->Preview_Video})
        ConnectGuarded(preview, &QPushButton::clicked, this,
                       [this, preview] { Action_PreviewExecute(preview); });
}

TPushPage::~TPushPage() = default;

QLineEdit* TPushPage::Edit_Main() const
{
    return ui->Edit_Main;
}

QLineEdit* TPushPage::Edit_Audio() const
{
    return ui->Edit_Audio;
}

QLineEdit* TPushPage::Edit_Video() const
{
    return ui->Edit_Video;
}

void TPushPage::Action_PushExecute()
{
    m_class.Link().Send(CommServer::PushLine(Ansi::ToWire(ui->Edit_Main->text()),
                                             Ansi::ToWire(ui->Edit_Audio->text()),
                                             Ansi::ToWire(ui->Edit_Video->text())));
}

void TPushPage::Action_PreviewExecute(QObject* Sender)
{
    QLineEdit* input = nullptr;
    switch (Sender->property("tag").toInt()) {
    case 1:
        input = ui->Edit_Main;
        break;
    case 2:
        input = ui->Edit_Audio;
        break;
    case 3:
        input = ui->Edit_Video;
        break;
    default:
        return;
    }
    // The teacher's own typing: any address or file may be opened.
    const QString address = input->text().trimmed();
    if (!address.isEmpty())
        m_shell.Open(address, SW_SHOW);
}

void TPushPage::Action_ClearExecute()
{
    ui->Edit_Main->clear();
    ui->Edit_Audio->clear();
    ui->Edit_Video->clear();
}

void TPushPage::OpenPushedContent(const CommServer::TSender& sender, QByteArray& rest)
{
    m_opener.OpenPushedContent(sender, rest);
}

} // namespace Brivane
