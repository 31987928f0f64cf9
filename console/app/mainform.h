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
    const QByteArray& CredentialsCode() const override;
    bool AppendsCourseList() const override { return true; }
    bool IgnoresNameServerReadErrors() const override { return false; }
    void HandleNameServerMessage(int code, QByteArray& rest) override;

    void FormCreate();
    void FormDestroy();

    void PrepareClassroom();
    void ConnectCommServer();
    void DrawClassroom();
    void Timer2Timer();

    Quillon::TLineConnection TCPClient_QuillonServer;
    QTimer* Timer2 = nullptr;

    QByteArray FCommHost;
    int FCommPort = 0;
    std::unique_ptr<Quillon::TStudent> FTeacher;

private:
    std::unique_ptr<Ui::TForm_Main> ui;
    QList<QLabel*> m_panels;
};

} // namespace Brivane
