// The "Classroom" tab: the picture of the class, the expression buttons and the status messages
// from the communication server (codes 4, 7 and 9).
#include "mainform.h"

#include "commserverprotocol.h"
#include "errorreport.h"
#include "resizeframe.h"
#include "statusicons.h"
#include "ui_classroompage.h"
#include "ui_mainform.h"

#include <QIcon>
#include <QPixmap>

namespace Brivane {

using namespace Quillon;

void TForm_Main::SetupClassroomPage()
{
    Ui::ClassroomPage page;
    page.setupUi(ui->ts_Classroom);
    Panel_Class = page.Panel_Class;
    imgClassroom = page.imgClassroom;
    Panel_Class->setBackgroundRole(QPalette::Base);
    connect(page.Panel_Class, &TResizeFrame::Resized, this,
            [this] { Guarded(this, [this] { Panel_ClassResize(); }); });

    const QList<QAbstractButton*> expressions = {page.changeStatus, page.SpeedButton7,  page.SpeedButton8,
                                                 page.SpeedButton9, page.SpeedButton10, page.SpeedButton11};
    for (QAbstractButton* button : expressions) {
        button->setIcon(QIcon(QPixmap::fromImage(ExpressionGlyphImage(button->property("Tag").toInt(), 28))));
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { Guarded(this, [this, button] { changeStatusClick(button); }); });
    }
}

void TForm_Main::DrawClassroom()
{
    if (!FRoster || !FTeacher)
        return; // the window is being torn down
    FClassroomPicture.Draw(Panel_Class->width(), *FTeacher, FCourse, *FRoster);
    imgClassroom->setPixmap(QPixmap::fromImage(FClassroomPicture.Picture()));
}

void TForm_Main::Panel_ClassResize()
{
    DrawClassroom();
}

void TForm_Main::SetOwnStatus(int status)
{
    FTeacher->SetStatus(status);
}

void TForm_Main::MarkOnline(const QByteArray& first, const QByteArray& last)
{
    TStudent* student = FRoster->FindByName(first, last);
    if (!student || student->FStatus != ssOffline)
        return;
    student->SetStatus(ssHappy);
    DrawClassroom();
}

// The teacher's own icon changes only when the server answers with code 7 or 9.
void TForm_Main::changeStatusClick(QAbstractButton* button)
{
    SendToClass(CommServer::ExpressionLine(button->property("Tag").toInt()));
}

void TForm_Main::HandleStudentStatus(const QByteArray& first, const QByteArray& last, QByteArray& rest)
{
    TStudent* student = FRoster->FindByName(first, last);
    if (!student)
        return;
    student->SetStatus(CommServer::ReadStatus(rest));
    if (student->FStatus == ssOffline)
        RemoveFromPushList(student->FullName());
    DrawClassroom();
}

void TForm_Main::HandleTeacherStatus(QByteArray& rest)
{
    SetOwnStatus(CommServer::ReadStatus(rest));
    DrawClassroom();
}

// A status that does not convert throws: the groups before it stay applied and nothing is redrawn.
void TForm_Main::HandleClassStatus(QByteArray& rest)
{
    SetOwnStatus(CommServer::ReadStatus(rest));
    while (const std::optional<CommServer::TStatusGroup> group = CommServer::NextStatusGroup(rest)) {
        if (TStudent* student = FRoster->FindByName(group->first, group->last))
            student->SetStatus(group->status);
    }
    DrawClassroom();
}

} // namespace Brivane
