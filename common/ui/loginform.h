#pragma once

#include <QByteArray>
#include <QDialog>

#include <memory>

namespace Ui {
class TForm_Login;
}

namespace Quillon {

// The login dialog: first name, last name and password.
class TForm_Login : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Login(QWidget* parent = nullptr);
    ~TForm_Login() override;

    // Shows the dialog modally; true when confirmed with OK. The names come back as typed; a
    // password that is blank after trimming comes back as "7193". Cancelled: nothing changes.
    bool Execute(QByteArray& first, QByteArray& last, QByteArray& password);

private:
    std::unique_ptr<Ui::TForm_Login> ui;
};

} // namespace Quillon
