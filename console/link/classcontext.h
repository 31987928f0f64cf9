#pragma once

#include <QByteArray>
#include <QString>

namespace Quillon {
class TStudent;
class TStudentList;
} // namespace Quillon

namespace Brivane {

class TClassLink;

// What the console's feature units share of the class: the roster, the teacher's own record, the
// course, the link to the communication server, the status bar, and the two steps one feature asks
// of another.
// The main window is the one real context; tests build a small one of their own.
class TClassContext
{
public:
    virtual ~TClassContext() = default;

    virtual Quillon::TStudentList& Roster() = 0;
    virtual Quillon::TStudent& Teacher() = 0;
    virtual const QByteArray& ClassCourse() const = 0;
    virtual TClassLink& Link() = 0;

    // The sender of a message is in class: an offline student becomes present and the classroom
    // picture is redrawn.
    virtual void MarkOnline(const QByteArray& first, const QByteArray& last) = 0;
    // A student whose new status is stored, if offline now: out of the push-permission list.
    virtual void RemoveFromPushList(const Quillon::TStudent& student) = 0;
    // Writes one panel of the window's status bar (0 to 3, left to right).
    virtual void ShowStatus(int panel, const QString& text) = 0;
};

} // namespace Brivane
