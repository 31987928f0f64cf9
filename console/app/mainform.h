#pragma once

#include "lineconnection.h"
#include "signinwindow.h"
#include "studentlist.h"

#include <QByteArray>
#include <QList>
#include <QTimer>

#include <memory>

class QLabel;

namespace Brivane {

namespace Ui {
class TForm_Main;
}

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

    // --- communication loop (mainform_loop.cpp)
    void Timer2Timer();
    void ShowLastSender(const QByteArray& first, const QByteArray& last);
    void SetPanelText(int index, const QString& text);
    // Writes one line to the communication server.
    void SendToClass(const QByteArray& line);

    Quillon::TLineConnection TCPClient_QuillonServer;
    QTimer* Timer2 = nullptr;

    // --- classroom picture and expressions (mainform_classroom.cpp)
    void DrawClassroom();
    void SetOwnStatus(int status);
    void MarkOnline(const QByteArray& first, const QByteArray& last);
    void HandleStudentStatus(const QByteArray& first, const QByteArray& last, QByteArray& rest); // code 4
    void HandleTeacherStatus(QByteArray& rest);                                                   // code 7
    void HandleClassStatus(QByteArray& rest);                                                     // code 9

    // --- chat, speech and transcript (mainform_chat.cpp)
    void ShowChatMessage(int code, const QByteArray& first, const QByteArray& last, QByteArray& rest);
    void ShowPrivateMessage(const QByteArray& first, const QByteArray& last, QByteArray& rest);

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
