#pragma once

#include "common/core/lineconnection.h"
#include "common/core/studentlist.h"
#include "common/ui/programoptions.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QTimer>

#include <memory>

namespace Quillon {

class TForm_Login;
class TForm_Select;

inline const QByteArray DefaultNameServerHost("localhost");
inline constexpr int DefaultNameServerPort = 22;
inline const QString ConfigFileName = QStringLiteral("config_teacher.ini");

// The sign-in at the name server that both main windows share: start-up when first shown,
// login, configuration, connection and the name-server polling. The programs differ only in the
// hooks below and in the codes they handle themselves.
class TSignInWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The dialogs are created by the program entry, after the main window.
    void SetDialogs(TForm_Login* login, TForm_Select* select);

    const QByteArray& Course() const { return FCourse; }
    const TStudentList& Roster() const { return *FRoster; }
    const QList<QByteArray>& CourseList() const { return FCourseList; }
    const TLineConnection& NameServerConnection() const { return TCPClient_NameServer; }

protected:
    // Timer1 ticks at the options' interval; config_teacher.ini is read from their directory.
    explicit TSignInWindow(const TProgramOptions& options, QWidget* parent = nullptr);
    ~TSignInWindow() override;

    void showEvent(QShowEvent* event) override;

    virtual const QByteArray& CredentialsCode() const = 0;
    // The console adds a second course list to the first; the course office replaces it.
    virtual bool AppendsCourseList() const = 0;
    // The course office ignores a failed name-server read; the console reports it.
    virtual bool IgnoresNameServerReadErrors() const = 0;
    // Runs between the version title and the login dialog.
    virtual void BeforeLogin() {}
    // Codes other than 0, 1 and 9, with the rest of the line after the code.
    virtual void HandleNameServerMessage(int code, QByteArray& rest) = 0;

    void FormShow();
    void SetVersionTitle();
    void ConnectNameServer();
    void Timer1Timer();
    // AppPath as the create handlers set it: the configuration directory, ending in '/'; without
    // an explicit one, the first of beside the program, the user's and the system's that holds
    // config_teacher.ini.
    QString ConfigPath() const;
    int TickMs() const { return m_tickMs; }

    TLineConnection TCPClient_NameServer;
    QTimer* Timer1 = nullptr;

    QByteArray FLoginFirstName;
    QByteArray FLoginLastName;
    QByteArray FLoginPassword;
    QList<QByteArray> FCourseList;
    QByteArray FCourse;
    std::unique_ptr<TStudentList> FRoster;

    TForm_Login* Form_Login = nullptr;
    TForm_Select* Form_Select = nullptr;

private:
    bool m_shownOnce = false;
    QString m_configDir;
    int m_tickMs = 500;
};

} // namespace Quillon
