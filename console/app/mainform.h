#pragma once

#include "classroompainter.h"
#include "drawaction.h"
#include "lineconnection.h"
#include "signinwindow.h"
#include "studentlist.h"
#include "voice.h"

#include <QByteArray>
#include <QList>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QTextCharFormat;
class QTextEdit;

namespace Brivane {

namespace Ui {
class TForm_Main;
}
class TRecipientBox;

// The teacher console's main window.
class TForm_Main : public Quillon::TSignInWindow
{
    Q_OBJECT

public:
    explicit TForm_Main(QWidget* parent = nullptr);
    ~TForm_Main() override;

    // Status bar panel texts, left to right.
    QString PanelText(int index) const;

    const QByteArray& CommHost() const { return FCommHost; }
    int CommPort() const { return FCommPort; }
    const Quillon::TStudent& Teacher() const { return *FTeacher; }
    // The classroom picture as last drawn, and how often it has been drawn.
    const QImage& ClassroomPicture() const { return FClassroomPicture.Picture(); }
    int ClassroomDrawCount() const { return FClassroomPicture.DrawCount(); }

protected:
    // Each feature of the window lives in a file of its own (mainform_<feature>.cpp) and keeps its
    // members in its section below.

    // --- sign-in hand-over (mainform.cpp)
    const QByteArray& CredentialsCode() const override;
    bool AppendsCourseList() const override { return true; }
    bool IgnoresNameServerReadErrors() const override { return false; }
    void HandleNameServerMessage(int code, QByteArray& rest) override;

    void FormCreate();
    void FormDestroy();

    void PrepareClassroom();
    void ConnectCommServer();

    QByteArray FCommHost;
    int FCommPort = 0;
    std::unique_ptr<Quillon::TStudent> FTeacher;
    std::unique_ptr<TDrawActionList> FSentActions;
    std::unique_ptr<TDrawActionList> FPendingActions;

    // --- communication loop (mainform_loop.cpp)
    void Timer2Timer();
    void ShowLastSender(const QByteArray& first, const QByteArray& last);
    void SetPanelText(int index, const QString& text);
    // Writes one line to the communication server.
    void SendToClass(const QByteArray& line);

    Quillon::TLineConnection TCPClient_QuillonServer;
    QTimer* Timer2 = nullptr;

    // --- classroom picture and expressions (mainform_classroom.cpp)
    void SetupClassroomPage();
    void DrawClassroom();
    void Panel_ClassResize();
    void changeStatusClick(QAbstractButton* button);
    void SetOwnStatus(int status);
    void MarkOnline(const QByteArray& first, const QByteArray& last);
    void HandleStudentStatus(const QByteArray& first, const QByteArray& last, QByteArray& rest); // code 4
    void HandleTeacherStatus(QByteArray& rest);                                                  // code 7
    void HandleClassStatus(QByteArray& rest);                                                    // code 9

    QFrame* Panel_Class = nullptr;
    QLabel* imgClassroom = nullptr;
    TClassroomPainter FClassroomPicture;

    // --- chat, speech and transcript (mainform_chat.cpp)
public:
    // Seams for tests: the voice maker (the Qt TextToSpeech flite voice by default) and the save
    // dialog, which returns the chosen path or an empty text when cancelled.
    void SetVoiceFactory(std::unique_ptr<TVoiceFactory> factory);
    using TSaveDialog = std::function<QString()>;
    void SetSaveDialog(TSaveDialog dialog);

protected:
    void SetupChatPage();
    void ShowChatMessage(int code, const QByteArray& first, const QByteArray& last, QByteArray& rest);
    void ShowPrivateMessage(const QByteArray& first, const QByteArray& last, QByteArray& rest);
    void Action_SendMsgExecute();
    void Action_ClearMsgExecute();
    void Action_RecordExecute();
    void ColorBoxChange();
    void ComboBox_OnlineDropDown();
    void FormCloseQuery(bool& CanClose);
    void closeEvent(QCloseEvent* event) override;
    void CreateVoice();
    void SpeakText(const QString& text);
    void AppendChat(const QByteArray& header, std::int32_t colour, bool audio,
                    const QList<QByteArray>& pieces, QByteArrayView speechSeparator);
    void AppendTranscriptLine(const QString& text, const QTextCharFormat& format);

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
    std::unique_ptr<TVoice> FVoice;
    std::unique_ptr<TVoiceFactory> FVoiceFactory;
    TSaveDialog FSaveDialog;

    // --- features still to come: whiteboard, content push, push permission (mainform_pending.cpp)
    void BlankBoard();
    void NavigateToAddress();
    void OpenPushedContent(const QByteArray& first, const QByteArray& last, QByteArray& rest);
    void RemoveFromPushList(const QByteArray& displayName);

private:
    std::unique_ptr<Ui::TForm_Main> ui;
    QList<QLabel*> m_panels;
};

} // namespace Brivane
