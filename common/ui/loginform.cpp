#include "common/ui/loginform.h"

#include "common/core/ansi.h"
#include "common/core/nameserverprotocol.h"
#include "common/ui/centerform.h"
#include "ui_loginform.h"

namespace Quillon {

TForm_Login::TForm_Login(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm_Login>())
{
    ui->setupUi(this);
    setFixedSize(sizeHint());
}

TForm_Login::~TForm_Login() = default;

bool TForm_Login::Execute(QByteArray& first, QByteArray& last, QByteArray& password)
{
    CenterForm(this);
    if (exec() != QDialog::Accepted)
        return false;
    first = Ansi::ToWire(ui->Edit_First->text());
    last = Ansi::ToWire(ui->Edit_Last->text());
    password = NameServer::EffectivePassword(Ansi::ToWire(ui->Edit_Passwd->text()));
    return true;
}

} // namespace Quillon
