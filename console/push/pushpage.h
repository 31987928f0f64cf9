#pragma once

#include "console/push/pushedcontent.h"

#include <QGroupBox>

#include <memory>

class QLineEdit;
class QObject;

namespace Quillon {
class TShellOpen;
}

namespace Brivane {

namespace Ui {
class TPushPage;
}
class TClassContext;

// The group "Course URL(Text, Video, Audio)" at the top of the "Chatting Room" page: the teacher
// previews each address on this desktop and pushes all three to the class. Pushes from the class
// are opened here as well.
class TPushPage : public QGroupBox
{
    Q_OBJECT

public:
    TPushPage(TClassContext& context, Quillon::TShellOpen& shell,
              TPushedContentOpener::TShowMainPage showMainPage, QWidget* parent);
    ~TPushPage() override;

    QLineEdit* Edit_Main() const;
    QLineEdit* Edit_Audio() const;
    QLineEdit* Edit_Video() const;

    // --- handlers
    void Action_PushExecute();
    // Sender is the pressed Preview button; its tag selects the address.
    void Action_PreviewExecute(QObject* Sender);
    void Action_ClearExecute();
    void OpenPushedContent(const CommServer::TSender& sender, QByteArray& rest);

private:
    std::unique_ptr<Ui::TPushPage> ui;
    TClassContext& m_class;
    Quillon::TShellOpen& m_shell;
    TPushedContentOpener m_opener;
};

} // namespace Brivane
