#include "gradebook/mail/msgpreview.h"

#include "common/ui/centerform.h"
#include "common/ui/guardedconnect.h"
#include "ui_msgpreview.h"

#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace Cortelle {

TForm_MsgPreview::TForm_MsgPreview(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TForm_MsgPreview>())
{
    ui->setupUi(this);
    setFixedSize(688, 442);
    Quillon::ConnectGuarded(ui->BitBtn_OK, &QPushButton::clicked, this, [this] { accept(); });
    Quillon::ConnectGuarded(ui->BitBtn_Cancel, &QPushButton::clicked, this, [this] { reject(); });
    Quillon::ConnectGuarded(ui->SpeedButton_Prev, &QToolButton::clicked, this,
                            [this] { ShowPage(m_page - 1); });
    Quillon::ConnectGuarded(ui->SpeedButton_Next, &QToolButton::clicked, this,
                            [this] { ShowPage(m_page + 1); });
}

TForm_MsgPreview::~TForm_MsgPreview() = default;

bool TForm_MsgPreview::ShowPreview(const QString& sender, const QString& recipient, const QStringList& lines)
{
    return ShowPreview(sender, QList<TPreviewPage>{{recipient, lines}});
}

bool TForm_MsgPreview::ShowPreview(const QString& sender, const QList<TPreviewPage>& pages)
{
    Quillon::CenterForm(this);
    ui->StaticText_From->setText(u"From:"_s + sender);
    m_pages = pages;
    ShowPage(0);
    const bool confirmed = exec() == QDialog::Accepted;
    m_pages.clear();
    return confirmed;
}

void TForm_MsgPreview::ShowPage(qsizetype index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    m_page = index;
    const TPreviewPage& page = m_pages[index];
    ui->StaticText_To->setText(u"To:"_s + page.Recipient);
    ui->Memo_Msg->setPlainText(page.Lines.join(QLatin1Char('\n')));
    ui->SpeedButton_Prev->setEnabled(index > 0);
    ui->SpeedButton_Next->setEnabled(index + 1 < m_pages.size());
}

} // namespace Cortelle
