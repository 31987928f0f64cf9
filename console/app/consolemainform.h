#pragma once

#include "common/core/studentlist.h"
#include "common/ui/signinwindow.h"
#include "console/link/classcontext.h"

#include <QByteArray>
#include <QList>

#include <memory>

class QCloseEvent;
class QLabel;

namespace Brivane {

namespace Ui {
class TForm_Main;
}
class TChatPage;
class TClassLink;
class TClassroomPage;
class TWhiteBoardPage;

// The teacher console's main window: the host of the console's features. It signs in, joins the
// class through the link and places each feature's page on its tab; the specified hand-over
// points are short forwards to the features.
class TForm_Main : public Quillon::TSignInWindow, public TClassContext
{
    Q_OBJECT

public:
    explicit TForm_Main(const Quillon::TProgramOptions& options, QWidget* parent = nullptr);
    ~TForm_Main() override;

    // Status bar panel texts, left to right.
    QString PanelText(int index) const;

    const QByteArray& CommHost() const { return FCommHost; }
    int CommPort() const { return FCommPort; }
    const Quillon::TStudent& Teacher() const { return *FTeacher; }
    // The classroom picture as last drawn, and how often it has been drawn.
    const QImage& ClassroomPicture() const;
    int ClassroomDrawCount() const;

    // The class context the features share.
    Quillon::TStudentList& Roster() override { return *FRoster; }
    using TSignInWindow::Roster;
    Quillon::TStudent& Teacher() override { return *FTeacher; }
    const QByteArray& ClassCourse() const override { return FCourse; }
    TClassLink& Link() override { return *FLink; }
    void MarkOnline(const QByteArray& first, const QByteArray& last) override;
    void RemoveFromPushList(const QByteArray& displayName) override;
    void ShowStatus(int panel, const QString& text) override { SetPanelText(panel, text); }

protected:
    // --- sign-in hand-over
    const QByteArray& CredentialsCode() const override;
    bool AppendsCourseList() const override { return true; }
    bool IgnoresNameServerReadErrors() const override { return false; }
    void HandleNameServerMessage(int code, QByteArray& rest) override;
    void BeforeLogin() override;
    void closeEvent(QCloseEvent* event) override;

    void FormCreate();
    void FormDestroy();
    void FormCloseQuery(bool& CanClose);

    void PrepareClassroom();
    void ConnectCommServer();

    // --- the communication loop's own codes and status bar
    void ShowLastSender(const QByteArray& first, const QByteArray& last);
    void SetPanelText(int index, const QString& text);
    void Identify();
    void ShowServerNotice(QByteArray& rest);
    void ShowServerVerdict(QByteArray& rest);
    void LostConnection();

    // --- forwards to the features
    void DrawClassroom();
    void BlankBoard();
    void NavigateToAddress();

    QByteArray FCommHost;
    int FCommPort = 0;
    std::unique_ptr<Quillon::TStudent> FTeacher;

private:
    const Quillon::TProgramOptions& m_options;
    std::unique_ptr<Ui::TForm_Main> ui;
    QList<QLabel*> m_panels;
    TClassLink* FLink = nullptr; // owned by the window
    TChatPage* FChat = nullptr;  // the pages are owned by their tabs
    TClassroomPage* FClassroom = nullptr;
    TWhiteBoardPage* FWhiteBoard = nullptr; // owns FSentActions and FPendingActions
};

} // namespace Brivane
