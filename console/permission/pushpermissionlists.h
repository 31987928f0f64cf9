#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Quillon {
class TStudent;
}

namespace Brivane {

class TClassContext;

// The two lists of the "Push Permission" page: the online students on the left, those of them
// holding push permission on the right. Every entry is its roster entry's position, never its
// display text, so a student whose names hold blanks is granted and revoked like any other.
// Widget-free; the page shows the names and asks the questions.
class TPushPermissionLists
{
public:
    explicit TPushPermissionLists(TClassContext& context) : m_class(context) {}

    // Both lists rebuilt from the roster: every student not offline on the left, and also on the
    // right while holding permission.
    void Refresh();

    QList<QByteArray> OnlineNames() const { return Names(m_online); }
    QList<QByteArray> PushNames() const { return Names(m_push); }
    // The roster position behind a row; -1 for a row outside the list.
    int OnlineAt(int row) const { return m_online.value(row, -1); }
    int PushAt(int row) const { return m_push.value(row, -1); }
    QByteArray NameOf(int position) const;

    bool HasPermissionListed(int position) const { return m_push.contains(position); }
    // Lists the student on the right and grants the permission; gives the line to send (code 5).
    QByteArray Grant(int position);
    // Takes the student off the right list (where still there) and revokes the permission; gives
    // the line to send (code 5).
    QByteArray Revoke(int position);
    // A student gone offline leaves the right list; the left list and the permission stay.
    void RemoveOffline(const Quillon::TStudent& student);

private:
    QList<QByteArray> Names(const QList<int>& positions) const;

    // The roster is the context's of the moment: the window makes it after its pages.
    TClassContext& m_class;
    QList<int> m_online;
    QList<int> m_push;
};

// The page's texts, as the teacher reads them.
namespace PushPermissionText {
inline const QString SelectLeft =
    QStringLiteral("Please select the name of the student from the left list at first!");
inline const QString SelectRight =
    QStringLiteral("Please select the name of the student from the right list at first!");
QString GrantQuestion(const QByteArray& name);
QString RevokeQuestion(const QByteArray& name);
QString AlreadyListed(const QByteArray& name);
} // namespace PushPermissionText

} // namespace Brivane
