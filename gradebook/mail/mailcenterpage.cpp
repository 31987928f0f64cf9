#include "gradebook/mail/mailcenterpage.h"

#include "common/core/ansi.h"
#include "common/platform/filedialogs.h"
#include "common/platform/mailtransport.h"
#include "common/ui/guardedconnect.h"
#include "common/ui/messages.h"
#include "gradebook/mail/awayfromwindow.h"
#include "gradebook/mail/mailchecks.h"
#include "gradebook/mail/msgbox.h"
#include "gradebook/mail/msgpreview.h"
#include "ui_mailcenterpage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidgetItem>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace Cortelle {

using namespace Quillon;

namespace {

QString Display(const QByteArray& wire)
{
    return Ansi::ToDisplay(wire);
}

QStringList DisplayLines(const QList<QByteArray>& lines)
{
    QStringList display;
    for (const QByteArray& line : lines)
        display.append(Ansi::ToDisplay(line));
    return display;
}

} // namespace

TMailCenterPage::TMailCenterPage(TMailCenterContext context, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TMailCenterPage>()), m_context(std::move(context))
{
    ui->setupUi(this);
    ui->BitBtn1->setDefaultAction(ui->Action_SelectAll);
    ui->BitBtn4->setDefaultAction(ui->Action_ClearAll);
    ui->SpeedButton1->setDefaultAction(ui->Action_Attach);
    ui->Action_Attach->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_msgBox = new TForm_MsgBox(this);
    m_preview = new TForm_MsgPreview(this);

    // Send is the page's default button and Clear its cancel button. The memos keep Enter for
    // their new lines: a text edit takes the key before any shortcut.
    auto* enter =
        new QShortcut(QKeySequence(Qt::Key_Return), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    auto* keypadEnter =
        new QShortcut(QKeySequence(Qt::Key_Enter), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    auto* escape =
        new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    for (QShortcut* shortcut : {enter, keypadEnter})
        ConnectGuarded(shortcut, &QShortcut::activated, this, [this] {
            if (ui->BitBtn_Send->isEnabled())
                ui->BitBtn_Send->click();
        });
    ConnectGuarded(escape, &QShortcut::activated, this, [this] { ui->BitBtn_Clear->click(); });

    ConnectGuarded(ui->Action_SelectAll, &QAction::triggered, this, [this] { Action_SelectAllExecute(); });
    ConnectGuarded(ui->Action_ClearAll, &QAction::triggered, this, [this] { Action_ClearAllExecute(); });
    ConnectGuarded(ui->Action_Attach, &QAction::triggered, this, [this] { Action_AttachExecute(); });
    ConnectGuarded(ui->BitBtn_Clear, &QPushButton::clicked, this, [this] { BitBtn_ClearClick(); });
    ConnectGuarded(ui->BitBtn_Send, &QPushButton::clicked, this, [this] { BitBtn_SendClick(); });
}

TMailCenterPage::~TMailCenterPage() = default;

void TMailCenterPage::ReadMailSettings()
{
    m_settings = Cortelle::ReadMailSettings(m_context.ConfigFile);
}

void TMailCenterPage::FillRecipientList()
{
    if (m_running)
        m_stopRequested = true;
    ui->clbMain->clear();
    for (const auto& student : m_context.Roster) {
        auto* item = new QListWidgetItem(Display(student->FullName()), ui->clbMain);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void TMailCenterPage::Action_SelectAllExecute()
{
    for (int i = 0; i < ui->clbMain->count(); ++i)
        ui->clbMain->item(i)->setCheckState(Qt::Checked);
}

void TMailCenterPage::Action_ClearAllExecute()
{
    for (int i = 0; i < ui->clbMain->count(); ++i)
        ui->clbMain->item(i)->setCheckState(Qt::Unchecked);
}

void TMailCenterPage::Action_AttachExecute()
{
    const QString file = m_context.Dialogs.OpenFileName(window(), u"OpenDialog"_s);
    if (!file.isEmpty())
        ui->edtAttach->setText(QDir::cleanPath(QFileInfo(file).absoluteFilePath()));
}

void TMailCenterPage::BitBtn_ClearClick()
{
    ui->Memo_Before->clear();
    ui->Memo_After->clear();
    ui->edtSubject->clear();
    ui->edtAttach->clear();
}

QString TMailCenterPage::FirstCheckedName() const
{
    const QList<int> ticked = TickedEntries();
    return ticked.isEmpty() ? QString() : ui->clbMain->item(ticked.first())->text();
}

QList<int> TMailCenterPage::TickedEntries() const
{
    QList<int> ticked;
    for (int i = 0; i < ui->clbMain->count(); ++i) {
        if (ui->clbMain->item(i)->checkState() == Qt::Checked)
            ticked.append(i);
    }
    return ticked;
}

const TStudent* TMailCenterPage::StudentAt(int entry) const
{
    if (entry < 0 || entry >= ui->clbMain->count() || entry >= m_context.Roster.Count())
        return nullptr;
    const TStudent* student = m_context.Roster.Items(entry);
    // A roster refilled without its list (a failed grade book build) no longer matches it.
    return ui->clbMain->item(entry)->text() == Display(student->FullName()) ? student : nullptr;
}

TLetterText TMailCenterPage::LetterText() const
{
    return {MemoLines(ui->Memo_Before->toPlainText()), MemoLines(ui->Memo_After->toPlainText()),
            ui->cbxGrade->isChecked()};
}

void TMailCenterPage::BitBtn_SendClick()
{
    if (m_running)
        return;
    const QList<int> ticked = TickedEntries();
    if (ticked.isEmpty()) {
        ShowNotice(window(), u"Please Select at least one student!"_s);
        return;
    }
    if (Ask(window(), u"You want to Send Email to Selected Students?"_s, TQuestion::YesNo) != TAnswer::Yes)
        return;
    QList<TPreviewPage> pages;
    const TLetterText text = LetterText();
    for (int entry : ticked) {
        if (const TStudent* student = StudentAt(entry))
            pages.append(
                {Display(student->FullName()),
                 DisplayLines(BuildLetter(*student, m_context.ColumnTitles, text, TLetterCopy::Preview))});
    }
    if (pages.isEmpty() || !m_preview->ShowPreview(Display(m_settings.FTeacherName), pages))
        return;
    SendAllMail();
}

std::optional<QString> TMailCenterPage::ProblemBeforeConnecting(const QList<int>& ticked) const
{
    if (std::optional<QString> problem = SettingsProblem(m_settings))
        return problem;
    if (std::optional<QString> problem = SubjectProblem(ui->edtSubject->text()))
        return problem;
    for (int entry : ticked) {
        if (const TStudent* student = StudentAt(entry)) {
            if (std::optional<QString> problem =
                    AddressProblem(Display(student->FullName()), Display(student->FEmail)))
                return problem;
        }
    }
    const QString attachment = ui->edtAttach->text();
    if (NamesAttachment(attachment))
        return AttachmentProblem(attachment);
    return std::nullopt;
}

void TMailCenterPage::SendAllMail()
{
    if (m_running)
        return;
    if (const std::optional<QString> problem = ProblemBeforeConnecting(TickedEntries())) {
        ShowNotice(window(), *problem + u" Nothing was sent."_s);
        return;
    }
    m_running = true;
    m_stopRequested = false;
    ui->BitBtn_Send->setEnabled(false);
    const auto ended = [this] {
        m_msgBox->hide();
        m_running = false;
        ui->BitBtn_Send->setEnabled(true);
        Q_EMIT RunEnded();
    };
    try {
        Run();
    } catch (...) {
        ended();
        throw;
    }
    ended();
}

void TMailCenterPage::Run()
{
    const QByteArray host = m_settings.FSmtpHost;
    const int port = m_settings.FSmtpPort;
    TAwayFromWindow away;
    std::unique_ptr<TMailConnection> connection;
    try {
        connection = away.Run([&] { return m_context.Transport.Connect(host, port); });
    } catch (const MailError& error) {
        throw Error(u"The mail server %1 at port %2 cannot be reached or refused the connection: %3"_s.arg(
            Display(host), QString::number(port), error.Reason()));
    }
    // Closing says goodbye to the server, which may take as long as any other answer.
    const auto disconnect = [&] { away.Run([&] { connection.reset(); }); };

    try {
        m_msgBox->ShowMsg(u"Sending Email..."_s);
        const int count = ui->clbMain->count();
        for (int entry = 0; entry < count && !m_stopRequested; ++entry) {
            if (entry >= ui->clbMain->count() || ui->clbMain->item(entry)->checkState() != Qt::Checked)
                continue;
            const TStudent* student = StudentAt(entry);
            if (student == nullptr)
                continue;
            const QString fullName = Display(student->FullName());
            const QString address = Display(student->FEmail);
            m_msgBox->ShowMsg(u"Sending Email to "_s + fullName);
            if (address.isEmpty())
                continue;

            TMailMessage message;
            message.From = Display(m_settings.FTeacherEmail);
            message.To = address;
            message.Subject = Display(Ansi::ToWire(ui->edtSubject->text()));
            message.Text =
                LetterBody(BuildLetter(*student, m_context.ColumnTitles, LetterText(), TLetterCopy::Mail));
            const QString attachment = ui->edtAttach->text();
            if (NamesAttachment(attachment))
                message.AttachmentPath = attachment;
            // The subject and the attachment may have changed since the run began.
            std::optional<QString> problem = SubjectProblem(message.Subject);
            if (!problem && !message.AttachmentPath.isEmpty())
                problem = AttachmentProblem(message.AttachmentPath);
            if (problem) {
                ShowNotice(window(), *problem + u" The letters from %1 on were not sent."_s.arg(fullName));
                break;
            }
            try {
                away.Run([&] { connection->Send(message); });
            } catch (const MailError& error) {
                ShowNotice(window(), FailedSendMessage(fullName, address, error));
                break;
            }
        }
    } catch (...) {
        disconnect();
        throw;
    }
    disconnect();
}

} // namespace Cortelle
