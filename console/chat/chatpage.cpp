#include "console/chat/chatpage.h"

#include "common/core/ansi.h"
#include "common/core/studentlist.h"
#include "common/core/wire.h"
#include "common/ui/application.h"
#include "common/ui/errorreport.h"
#include "common/ui/guardedconnect.h"
#include "common/ui/messages.h"
#include "console/chat/chattext.h"
#include "console/chat/colorvalue.h"
#include "console/chat/recipientbox.h"
#include "console/chat/transcriptfile.h"
#include "console/chat/transcriptrecovery.h"
#include "console/link/classcontext.h"
#include "console/link/classlink.h"
#include "console/protocol/commserverprotocol.h"
#include "ui_chatpage.h"

#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace Brivane {

using namespace Quillon;
using namespace Qt::StringLiterals;

namespace {

const QString EveryoneRecipient = u"ALL"_s;
const QString SpeechKitAddress = u"https://packages.debian.org/bookworm/qt6-speech-flite-plugin"_s;

QIcon ColorSwatch(const QColor& colour)
{
    QPixmap swatch(16, 12);
    swatch.fill(colour);
    QPainter painter(&swatch);
    painter.setPen(Qt::darkGray);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return QIcon(swatch);
}

} // namespace

TChatPage::TChatPage(TClassContext& context, TVoiceFactory& voices, TFileDialogs& dialogs, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TChatPage>()), m_class(context), m_voices(voices),
      m_dialogs(dialogs)
{
    ui->setupUi(this);
    Memo_SendMsg = ui->Memo_SendMsg;
    ComboBox_Online = ui->ComboBox_Online;
    ColorBox = ui->ColorBox;
    chb_Audio = ui->chb_Audio;
    Memo_msg = ui->Memo_msg;
    Action_SendMsg = ui->Action_SendMsg;
    Action_ClearMsg = ui->Action_ClearMsg;
    Action_Record = ui->Action_Record;

    for (const TColorEntry& entry : ColorBoxColors())
        ColorBox->addItem(ColorSwatch(ColorFromValue(entry.value, ColorBox->palette())), entry.name,
                          entry.value);
    ColorBox->setCurrentIndex(ColorBox->findData(clMaroon));
    ComboBox_Online->setCurrentIndex(0);

    ui->SpeedButton3->setDefaultAction(Action_SendMsg);
    ui->SpeedButton2->setDefaultAction(Action_ClearMsg);
    ui->SpeedButton5->setDefaultAction(Action_Record);

    ConnectGuarded(Action_SendMsg, &QAction::triggered, this, [this] { Action_SendMsgExecute(); });
    ConnectGuarded(Action_ClearMsg, &QAction::triggered, this, [this] { Action_ClearMsgExecute(); });
    ConnectGuarded(Action_Record, &QAction::triggered, this, [this] { Action_RecordExecute(); });
    ConnectGuarded(ColorBox, &QComboBox::currentIndexChanged, this, [this] { ColorBoxChange(); });
    ConnectGuarded(ComboBox_Online, &TRecipientBox::DroppingDown, this,
                   [this] { ComboBox_OnlineDropDown(); });

    TClassLink& link = m_class.Link();
    const auto chat = [this](int code) {
        return [this, code](const CommServer::TSender& sender, QByteArray& rest) {
            ShowChatMessage(code, sender.first, sender.last, rest);
        };
    };
    link.Register(CommServer::icPublicChat, chat(CommServer::icPublicChat));
    link.Register(CommServer::icPrivateChat, chat(CommServer::icPrivateChat));
    link.Register(CommServer::icAddressedChat, [this](const CommServer::TSender& sender, QByteArray& rest) {
        ShowPrivateMessage(sender.first, sender.last, rest);
    });
}

TChatPage::~TChatPage() = default;

// --- sending

void TChatPage::Action_SendMsgExecute()
{
    const QString text = Memo_SendMsg->toPlainText();
    if (TrimControls(Ansi::ToWire(text)).isEmpty()) {
        ShowNotice(this, u"Can not Send Empty message!"_s);
        return;
    }
    const QList<QByteArray> lines = ChatText::InputLines(text);
    const std::int32_t colour = ColorBox->currentData().toInt();
    const bool audio = chb_Audio->isChecked();
    const QString recipient = ComboBox_Online->currentText();
    if (recipient == EveryoneRecipient)
        m_class.Link().Send(CommServer::PublicChatLine(colour, audio, lines));
    else
        m_class.Link().Send(CommServer::PrivateChatLine(Ansi::ToWire(recipient), colour, audio, lines));
    // Only once the line is out: a failed write leaves the message and its audio mark to send again.
    if (chb_Audio->isChecked())
        chb_Audio->setChecked(false);
    Memo_SendMsg->clear();
}

void TChatPage::Action_ClearMsgExecute()
{
    Memo_SendMsg->clear();
}

void TChatPage::ColorBoxChange()
{
    QPalette palette = Memo_SendMsg->palette();
    palette.setColor(QPalette::Text, ColorFromValue(ColorBox->currentData().toInt(), palette));
    Memo_SendMsg->setPalette(palette);
}

void TChatPage::ComboBox_OnlineDropDown()
{
    ComboBox_Online->clear();
    ComboBox_Online->addItem(EveryoneRecipient);
    ComboBox_Online->setCurrentIndex(0);
    for (const auto& student : m_class.Roster())
        if (student->FStatus != ssOffline)
            ComboBox_Online->addItem(Ansi::ToDisplay(student->FullName()));
}

// --- inbound messages

void TChatPage::ShowChatMessage(int code, const QByteArray& first, const QByteArray& last, QByteArray& rest)
{
    m_class.MarkOnline(first, last);
    const CommServer::TChatMark mark = CommServer::ReadChatMark(rest);
    if (mark.audio && !FSpeechTried)
        CreateVoice();
    AppendChat(ChatText::ChatHeader(code, mark.audio, first, last), mark.colour, mark.audio,
               CommServer::ReadMessageLines(rest), " ");
}

void TChatPage::ShowPrivateMessage(const QByteArray& first, const QByteArray& last, QByteArray& rest)
{
    m_class.MarkOnline(first, last);
    const QByteArray recipient = CommServer::ReadRecipient(rest);
    if (!CommServer::IsFromTeacher(first))
        return;
    const CommServer::TChatMark mark = CommServer::ReadChatMark(rest);
    if (mark.audio && !FSpeechTried)
        CreateVoice();
    AppendChat(ChatText::AddressedHeader(mark.audio, first, last, recipient), mark.colour, mark.audio,
               CommServer::ReadMessageLines(rest), "");
}

void TChatPage::AppendChat(const QByteArray& header, std::int32_t colour, bool audio,
                           const QList<QByteArray>& received, QByteArrayView speechSeparator)
{
    QTextCharFormat format;
    format.setForeground(ColorFromValue(colour, Memo_msg->palette()));
    format.setFontWeight(QFont::Bold);
    format.setFontItalic(audio);
    // One edit for the whole message: the transcript is laid out and scrolled once, not once per
    // line (a message of many thousand lines would freeze the window otherwise).
    QTextCursor cursor(Memo_msg->document());
    cursor.beginEditBlock();
    AppendTranscriptLine(cursor, Ansi::ToDisplay(header), format);

    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    const QList<QByteArray> pieces = ChatText::ShownPieces(received);
    for (const QByteArray& piece : pieces)
        AppendTranscriptLine(cursor, Ansi::ToDisplay(piece), format);
    cursor.endEditBlock();
    Memo_msg->verticalScrollBar()->setValue(Memo_msg->verticalScrollBar()->maximum());
    if (audio && FSpeechTried && FSpeechReady)
        SpeakText(Ansi::ToDisplay(ChatText::SpokenText(pieces, speechSeparator)));
}

// Texts go in as plain text: nothing a student typed is read as markup.
void TChatPage::AppendTranscriptLine(QTextCursor& cursor, const QString& text, const QTextCharFormat& format)
{
    cursor.movePosition(QTextCursor::End);
    if (!Memo_msg->document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), format);
    cursor.insertText(text, format);
}

// --- speech

void TChatPage::CreateVoice()
{
    // Set first: an audio message that arrives while the notice below is open does not try again.
    FSpeechTried = true;
    try {
        FVoice = m_voices.Create();
        FSpeechReady = true;
    } catch (const std::exception&) {
        FVoice.reset();
        FSpeechReady = false;
        ShowNotice(this, u"To use the Audio function,please go to "_s + SpeechKitAddress +
                             u" download qt6-speech-flite-plugin!"_s);
    }
}

void TChatPage::SpeakText(const QString& text)
{
    if (FVoice)
        FVoice->Speak(text);
}

void TChatPage::ReleaseVoice()
{
    FVoice.reset();
}

// --- transcript

void TChatPage::KeepTranscript()
{
    if (m_recovery)
        return;
    m_recovery =
        std::make_unique<TTranscriptRecovery>(*Memo_msg->document(), RecoveryFolder(ConsoleRecoveryProgram));
    TRecoveryFile& file = m_recovery->File();
    ConnectGuarded(&file, &TRecoveryFile::Due, this, [&file] { file.Write(); });
}

void TChatPage::Action_RecordExecute()
{
    const QString path = m_dialogs.SaveFileName(this, {u"SaveDialog"_s, u"rtf"_s, u"RTF file(*.rtf)"_s});
    if (path.isEmpty())
        return;
    SaveRtfFile(*Memo_msg->document(), path);
}

void TChatPage::FormCloseQuery(bool& CanClose)
{
    CanClose = true;
    if (Memo_msg->document()->isEmpty())
        return;
    switch (Ask(this, u"Do you want to save the transcript?"_s, TQuestion::YesNoCancel)) {
    case TAnswer::Yes: {
        // A cancelled dialog still closes; a save that failed keeps the window, and with it the
        // transcript, so the teacher can try another place.
        bool saved = false;
        Guarded(this, [this, &saved] {
            Action_RecordExecute();
            saved = true;
        });
        CanClose = saved;
        break;
    }
    case TAnswer::No:
        break;
    default:
        CanClose = false;
        break;
    }
}

} // namespace Brivane
