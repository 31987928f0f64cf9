#pragma once

#include "common/platform/filedialogs.h"
#include "common/platform/voice.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QWidget>

#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QTextCursor;
class QTextCharFormat;
class QTextEdit;

namespace Brivane {

namespace Ui {
class TChatPage;
}
class TClassContext;
class TRecipientBox;
class TTranscriptRecovery;

// The chat room: sending public and private messages, the transcript of what arrives (codes 2,
// 12 and 13), audio messages read aloud, and saving the transcript.
class TChatPage : public QWidget
{
    Q_OBJECT

public:
    TChatPage(TClassContext& context, Quillon::TVoiceFactory& voices, Quillon::TFileDialogs& dialogs,
              QWidget* parent);
    ~TChatPage() override;

    // Ctrl+S sends from every page: the window takes this action on.
    QAction* SendAction() const { return Action_SendMsg; }

    // The close question about the transcript.
    void FormCloseQuery(bool& CanClose);
    // The input's text colour follows ColorBox.
    void ColorBoxChange();
    void ReleaseVoice();
    // From joining the class on: the transcript is kept against a crash until the page goes.
    void KeepTranscript();

    void ShowChatMessage(int code, const QByteArray& first, const QByteArray& last, QByteArray& rest);
    void ShowPrivateMessage(const QByteArray& first, const QByteArray& last, QByteArray& rest);

    void Action_SendMsgExecute();
    void Action_ClearMsgExecute();
    void Action_RecordExecute();
    void ComboBox_OnlineDropDown();

private:
    void CreateVoice();
    void SpeakText(const QString& text);
    void AppendChat(const QByteArray& header, std::int32_t colour, bool audio,
                    const QList<QByteArray>& received, QByteArrayView speechSeparator);
    void AppendTranscriptLine(QTextCursor& cursor, const QString& text, const QTextCharFormat& format);

    std::unique_ptr<Ui::TChatPage> ui;
    TClassContext& m_class;
    Quillon::TVoiceFactory& m_voices;
    Quillon::TFileDialogs& m_dialogs;

    QPlainTextEdit* Memo_SendMsg = nullptr;
    TRecipientBox* ComboBox_Online = nullptr;
    QComboBox* ColorBox = nullptr;
    QCheckBox* chb_Audio = nullptr;
    QTextEdit* Memo_msg = nullptr;
    QAction* Action_SendMsg = nullptr;
    QAction* Action_ClearMsg = nullptr;
    QAction* Action_Record = nullptr;

    bool FSpeechTried = false;
    bool FSpeechReady = false;
    std::unique_ptr<Quillon::TVoice> FVoice;
    std::unique_ptr<TTranscriptRecovery> m_recovery;
};

} // namespace Brivane
