#include "gradebook/mail/msgbox.h"

#include "common/ui/centerform.h"
#include "ui_msgbox.h"

namespace Cortelle {

namespace {

const QColor SkyBlue(0xA6, 0xCA, 0xF0);

} // namespace

TForm_MsgBox::TForm_MsgBox(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), ui(std::make_unique<Ui::TForm_MsgBox>())
{
    ui->setupUi(this);
    setFixedSize(398, 117);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, SkyBlue);
    setPalette(sky);
    setAutoFillBackground(true);
}

TForm_MsgBox::~TForm_MsgBox() = default;

void TForm_MsgBox::ShowMsg(const QString& text)
{
    Quillon::CenterForm(this);
    ui->st_Msg->setText(text);
    ui->st_Msg->adjustSize();
    show();
    Q_EMIT MsgShown(text);
}

} // namespace Cortelle
