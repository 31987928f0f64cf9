// The chat room: sending public and private messages, the transcript of what arrives, audio
// messages read aloud, and saving the transcript.
#include "mainform.h"

#include "ansi.h"
#include "application.h"
#include "colorvalue.h"
#include "commserverprotocol.h"
#include "errorreport.h"
#include "messages.h"
#include "recipientbox.h"
#include "texttospeechvoice.h"
#include "transcriptfile.h"
#include "ui_chatpage.h"
#include "ui_mainform.h"
#include "wire.h"

#include <QCloseEvent>
#include <QFileDialog>
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

QString RunSaveDialog(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(u"SaveDialog"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(u"rtf"_s);
    dialog.setNameFilter(u"RTF file(*.rtf)"_s);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// The lines of the input as the teacher sees them: a line break at the very end starts no line.
QList<QByteArray> InputLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    QList<QByteArray> wire;
    wire.reserve(lines.size());
    for (const QString& line : std::as_const(lines))
        wire << Ansi::ToWire(line);
    return wire;
}

} // namespace

void TForm_Main::SetupChatPage()
{
    auto* page = new QWidget(ui->ts_ChatingRoom);
    Ui::TChatPage chat;
    chat.setupUi(page);
    // The left half below the course addresses; the whiteboard takes the right.
    page->setGeometry(4, 108, 384, 400);

    Memo_SendMsg = chat.Memo_SendMsg;
    ComboBox_Online = chat.ComboBox_Online;
    ColorBox = chat.ColorBox;
    chb_Audio = chat.chb_Audio;
    Memo_msg = chat.Memo_msg;
    Action_SendMsg = chat.Action_SendMsg;
    Action_ClearMsg = chat.Action_ClearMsg;
    Action_Record = chat.Action_Record;

    for (const TColorEntry& entry : ColorBoxColors())
        ColorBox->addItem(ColorSwatch(ColorFromValue(entry.value, ColorBox->palette())), entry.name,
                          entry.value);
    ColorBox->setCurrentIndex(ColorBox->findData(clMaroon));
    ComboBox_Online->setCurrentIndex(0);

    // Ctrl+S works wherever the focus is in the window, on every page.
    addAction(Action_SendMsg);
    chat.SpeedButton3->setDefaultAction(Action_SendMsg);
    chat.SpeedButton2->setDefaultAction(Action_ClearMsg);
    chat.SpeedButton5->setDefaultAction(Action_Record);

    connect(Action_SendMsg, &QAction::triggered, this,
            [this] { Guarded(this, [this] { Action_SendMsgExecute(); }); });
    connect(Action_ClearMsg, &QAction::triggered, this,
            [this] { Guarded(this, [this] { Action_ClearMsgExecute(); }); });
    connect(Action_Record, &QAction::triggered, this,
            [this] { Guarded(this, [this] { Action_RecordExecute(); }); });
    connect(ColorBox, &QComboBox::currentIndexChanged, this,
            [this] { Guarded(this, [this] { ColorBoxChange(); }); });
    connect(ComboBox_Online, &TRecipientBox::DroppingDown, this,
            [this] { Guarded(this, [this] { ComboBox_OnlineDropDown(); }); });

    FVoiceFactory = std::make_unique<TTextToSpeechVoiceFactory>();
    FSaveDialog = [this] { return RunSaveDialog(this); };
}

void TForm_Main::SetVoiceFactory(std::unique_ptr<TVoiceFactory> factory)
{
    FVoiceFactory = std::move(factory);
}

void TForm_Main::SetSaveDialog(TSaveDialog dialog)
{
    FSaveDialog = std::move(dialog);
}

// --- sending

void TForm_Main::Action_SendMsgExecute()
{
    const QString text = Memo_SendMsg->toPlainText();
    if (TrimControls(Ansi::ToWire(text)).isEmpty()) {
        ShowNotice(this, u"Can not Send Empty message!"_s);
        return;
    }
    const QList<QByteArray> lines = InputLines(text);
    const std::int32_t colour = ColorBox->currentData().toInt();
    const bool audio = chb_Audio->isChecked();
    const QString recipient = ComboBox_Online->currentText();
    if (recipient == EveryoneRecipient)
        SendToClass(CommServer::PublicChatLine(colour, audio, lines));
    else
        SendToClass(CommServer::PrivateChatLine(Ansi::ToWire(recipient), colour, audio, lines));
    // Only once the line is out: a failed write leaves the message and its audio mark to send again.
    if (chb_Audio->isChecked())
        chb_Audio->setChecked(false);
    Memo_SendMsg->clear();
}

void TForm_Main::Action_ClearMsgExecute()
{
    Memo_SendMsg->clear();
}

void TForm_Main::ColorBoxChange()
{
    QPalette palette = Memo_SendMsg->palette();
    palette.setColor(QPalette::Text, ColorFromValue(ColorBox->currentData().toInt(), palette));
    Memo_SendMsg->setPalette(palette);
}

void TForm_Main::ComboBox_OnlineDropDown()
{
    ComboBox_Online->clear();
    ComboBox_Online->addItem(EveryoneRecipient);
    ComboBox_Online->setCurrentIndex(0);
    for (const auto& student : *FRoster)
        if (student->FStatus != ssOffline)
            ComboBox_Online->addItem(Ansi::ToDisplay(student->FullName()));
}

// --- inbound messages

void TForm_Main::ShowChatMessage(int code, const QByteArray& first, const QByteArray& last, QByteArray& rest)
{
    MarkOnline(first, last);
    const CommServer::TChatMark mark = CommServer::ReadChatMark(rest);
    const QByteArray shownLast = code == CommServer::icPrivateChat ? last + " in private" : last;
    const QByteArray header = (mark.audio ? "[Audio from " : "[") + first + ' ' + shownLast + ']';
    if (mark.audio && !FSpeechTried)
        CreateVoice();
    AppendChat(header, mark.colour, mark.audio, CommServer::ReadMessageLines(rest), " ");
}

void TForm_Main::ShowPrivateMessage(const QByteArray& first, const QByteArray& last, QByteArray& rest)
{
    MarkOnline(first, last);
    const QByteArray recipient = CommServer::ReadRecipient(rest);
    if (!CommServer::IsFromTeacher(first))
        return;
    const CommServer::TChatMark mark = CommServer::ReadChatMark(rest);
    const QByteArray header =
        (mark.audio ? "[Audio " : "[") + first + ' ' + last + " to " + recipient + " in private]";
    if (mark.audio && !FSpeechTried)
        CreateVoice();
    AppendChat(header, mark.colour, mark.audio, CommServer::ReadMessageLines(rest), "");
}

void TForm_Main::AppendChat(const QByteArray& header, std::int32_t colour, bool audio,
                            const QList<QByteArray>& pieces, QByteArrayView speechSeparator)
{
    QTextCharFormat format;
    format.setForeground(ColorFromValue(colour, Memo_msg->palette()));
    format.setFontWeight(QFont::Bold);
    format.setFontItalic(audio);
    AppendTranscriptLine(Ansi::ToDisplay(header), format);

    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    QByteArray toSpeak;
    for (const QByteArray& piece : pieces) {
        AppendTranscriptLine(Ansi::ToDisplay(piece), format);
        toSpeak += speechSeparator;
        toSpeak += piece;
    }
    if (audio && FSpeechTried && FSpeechReady)
        SpeakText(Ansi::ToDisplay(toSpeak));
}

// Texts go in as plain text: nothing a student typed is read as markup.
void TForm_Main::AppendTranscriptLine(const QString& text, const QTextCharFormat& format)
{
    QTextDocument* document = Memo_msg->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    if (!document->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), format);
    cursor.insertText(text, format);
    Memo_msg->verticalScrollBar()->setValue(Memo_msg->verticalScrollBar()->maximum());
}

// --- speech

void TForm_Main::CreateVoice()
{
    // Set first: an audio message that arrives while the notice below is open does not try again.
    FSpeechTried = true;
    try {
        FVoice = FVoiceFactory->Create();
        FSpeechReady = true;
    } catch (const std::exception&) {
        FVoice.reset();
        FSpeechReady = false;
        ShowNotice(this, u"To use the Audio function,please go to "_s + SpeechKitAddress +
                             u" download Microsoft Speech API!"_s);
    }
}

void TForm_Main::SpeakText(const QString& text)
{
    if (FVoice)
        FVoice->Speak(text);
}

// --- transcript

void TForm_Main::Action_RecordExecute()
{
    const QString path = FSaveDialog();
    if (path.isEmpty())
        return;
    SaveRtfFile(*Memo_msg->document(), path);
}

void TForm_Main::FormCloseQuery(bool& CanClose)
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

void TForm_Main::closeEvent(QCloseEvent* event)
{
    bool CanClose = true;
    if (!Application().Terminated())
        FormCloseQuery(CanClose);
    if (CanClose)
        TSignInWindow::closeEvent(event);
    else
        event->ignore();
}

} // namespace Brivane
