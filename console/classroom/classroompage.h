#pragma once

#include "console/classroom/classroompainter.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class QAbstractButton;
class QFrame;
class QLabel;
class QWidget;

namespace Brivane {

namespace Ui {
class TClassroomPage;
}
class TClassContext;

// The "Classroom" tab: the picture of the class, the expression buttons and the status messages
// of the communication server (codes 4, 7 and 9). Its controls are laid straight onto the tab.
class TClassroomPage : public QObject
{
    Q_OBJECT

public:
    TClassroomPage(TClassContext& context, QWidget* tab);
    ~TClassroomPage() override;

    // A fresh picture of this size; it is drawn at the next DrawClassroom.
    void SetPictureSize(int width, int height);
    void DrawClassroom();
    void MarkOnline(const QByteArray& first, const QByteArray& last);

    // The picture as last drawn, and how often it has been drawn.
    const QImage& Picture() const { return FClassroomPicture.Picture(); }
    int DrawCount() const { return FClassroomPicture.DrawCount(); }

    void Panel_ClassResize();
    void changeStatusClick(QAbstractButton* button);
    void HandleStudentStatus(const QByteArray& first, const QByteArray& last, QByteArray& rest); // code 4
    void HandleTeacherStatus(QByteArray& rest);                                                  // code 7
    void HandleClassStatus(QByteArray& rest);                                                    // code 9

private:
    void SetOwnStatus(int status);

    std::unique_ptr<Ui::TClassroomPage> ui;
    TClassContext& m_class;
    QWidget* m_tab;
    QFrame* Panel_Class = nullptr;
    QLabel* imgClassroom = nullptr;
    TClassroomPainter FClassroomPicture;
};

} // namespace Brivane
