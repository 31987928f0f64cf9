#include "console/classroom/classroompage.h"

#include "common/core/studentlist.h"
#include "common/ui/guardedconnect.h"
#include "console/classroom/resizeframe.h"
#include "console/classroom/statusicons.h"
#include "console/link/classcontext.h"
#include "console/link/classlink.h"
#include "console/protocol/commserverprotocol.h"
#include "ui_classroompage.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace Brivane {

using namespace Quillon;

TClassroomPage::TClassroomPage(TClassContext& context, QWidget* tab)
    : QObject(tab), ui(std::make_unique<Ui::TClassroomPage>()), m_class(context), m_tab(tab)
{
    ui->setupUi(tab);
    Panel_Class = ui->Panel_Class;
    imgClassroom = ui->imgClassroom;
    Panel_Class->setBackgroundRole(QPalette::Base);
    ConnectGuarded(ui->Panel_Class, &TResizeFrame::Resized, m_tab, [this] { Panel_ClassResize(); });

    const QList<QAbstractButton*> expressions = {ui->changeStatus, ui->SpeedButton7,  ui->SpeedButton8,
                                                 ui->SpeedButton9, ui->SpeedButton10, ui->SpeedButton11};
    for (QAbstractButton* button : expressions) {
        button->setIcon(QIcon(QPixmap::fromImage(ExpressionGlyphImage(button->property("Tag").toInt(), 28))));
        ConnectGuarded(button, &QAbstractButton::clicked, m_tab,
                       [this, button] { changeStatusClick(button); });
    }

    TClassLink& link = m_class.Link();
    link.Register(CommServer::icStudentStatus, [this](const CommServer::TSender& sender, QByteArray& rest) {
        HandleStudentStatus(sender.first, sender.last, rest);
    });
    link.Register(CommServer::icTeacherStatus,
                  [this](const CommServer::TSender&, QByteArray& rest) { HandleTeacherStatus(rest); });
    link.Register(CommServer::icClassStatus,
                  [this](const CommServer::TSender&, QByteArray& rest) { HandleClassStatus(rest); });
}

TClassroomPage::~TClassroomPage() = default;

void TClassroomPage::SetPictureSize(int width, int height)
{
    FClassroomPicture.SetSize(width, height);
    imgClassroom->resize(FClassroomPicture.Picture().size());
}

void TClassroomPage::DrawClassroom()
{
    FClassroomPicture.Draw(Panel_Class->width(), m_class.Teacher(), m_class.ClassCourse(), m_class.Roster());
    imgClassroom->setPixmap(QPixmap::fromImage(FClassroomPicture.Picture()));
}

void TClassroomPage::Panel_ClassResize()
{
    DrawClassroom();
}

void TClassroomPage::SetOwnStatus(int status)
{
    m_class.Teacher().SetStatus(status);
}

void TClassroomPage::MarkOnline(const QByteArray& first, const QByteArray& last)
{
    TStudent* student = m_class.Roster().FindByName(first, last);
    if (!student || student->FStatus != ssOffline)
        return;
    student->SetStatus(ssHappy);
    DrawClassroom();
}

// The teacher's own icon changes only when the server answers with code 7 or 9.
void TClassroomPage::changeStatusClick(QAbstractButton* button)
{
    m_class.Link().Send(CommServer::ExpressionLine(button->property("Tag").toInt()));
}

void TClassroomPage::HandleStudentStatus(const QByteArray& first, const QByteArray& last, QByteArray& rest)
{
    TStudent* student = m_class.Roster().FindByName(first, last);
    if (!student)
        return;
    student->SetStatus(CommServer::ReadStatus(rest));
    if (student->FStatus == ssOffline)
        m_class.RemoveFromPushList(*student);
    DrawClassroom();
}

void TClassroomPage::HandleTeacherStatus(QByteArray& rest)
{
    SetOwnStatus(CommServer::ReadStatus(rest));
    DrawClassroom();
}

// A status that does not convert throws: the groups before it stay applied and nothing is redrawn.
void TClassroomPage::HandleClassStatus(QByteArray& rest)
{
    SetOwnStatus(CommServer::ReadStatus(rest));
    while (const std::optional<CommServer::TStatusGroup> group = CommServer::NextStatusGroup(rest)) {
        if (TStudent* student = m_class.Roster().FindByName(group->first, group->last))
            student->SetStatus(group->status);
    }
    DrawClassroom();
}

} // namespace Brivane
