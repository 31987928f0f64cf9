#pragma once

#include "console/permission/pushpermissionlists.h"

#include <QWidget>

#include <memory>

namespace Quillon {
class TStudent;
}

namespace Brivane {

namespace Ui {
class TPushPermissionPage;
}
class TClassContext;

// The "Push Permission" page: grants and revokes a student's push permission after a
// confirmation (code 5), and sends the class switches "Only Push to Teacher" (code 14) and
// "Disable Private Talking" (code 15) at each click.
class TPushPermissionPage : public QWidget
{
    Q_OBJECT

public:
    TPushPermissionPage(TClassContext& context, QWidget* parent);
    ~TPushPermissionPage() override;

    // --- handlers
    void Action_GrantExecute();
    void Action_RevokeExecute();
    void Action_RefreshlistExecute();
    void RemoveFromPushList(const Quillon::TStudent& student);
    void cbxOnlyTeacherClick();
    void cbxDisablePrivateClick();

private:
    void ShowLists();

    std::unique_ptr<Ui::TPushPermissionPage> ui;
    TClassContext& m_class;
    TPushPermissionLists FLists;
};

} // namespace Brivane
