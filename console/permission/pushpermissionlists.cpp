#include "console/permission/pushpermissionlists.h"

#include "common/core/ansi.h"
#include "common/core/studentlist.h"
#include "console/link/classcontext.h"
#include "console/protocol/commserverprotocol.h"

namespace Brivane {

using namespace Quillon;

void TPushPermissionLists::Refresh()
{
    m_push.clear();
    m_online.clear();
    for (int position = 0; position < m_class.Roster().Count(); ++position) {
        const TStudent& student = *m_class.Roster().Items(position);
        if (student.FStatus == ssOffline)
            continue;
        m_online << position;
        if (student.FPushPermission)
            m_push << position;
    }
}

QByteArray TPushPermissionLists::NameOf(int position) const
{
    return m_class.Roster().Items(position)->FullName();
}

QByteArray TPushPermissionLists::Grant(int position)
{
    TStudent& student = *m_class.Roster().Items(position);
    if (!m_push.contains(position))
        m_push << position;
    student.FPushPermission = true;
    return CommServer::PushPermissionLine(student.FFirstName, student.FLastName, true);
}

QByteArray TPushPermissionLists::Revoke(int position)
{
    TStudent& student = *m_class.Roster().Items(position);
    m_push.removeOne(position);
    student.FPushPermission = false;
    return CommServer::PushPermissionLine(student.FFirstName, student.FLastName, false);
}

void TPushPermissionLists::RemoveOffline(const TStudent& student)
{
    if (student.FStatus != ssOffline)
        return;
    m_push.removeIf([&](int position) { return m_class.Roster().Items(position) == &student; });
}

QList<QByteArray> TPushPermissionLists::Names(const QList<int>& positions) const
{
    QList<QByteArray> names;
    names.reserve(positions.size());
    for (int position : positions)
        names << NameOf(position);
    return names;
}

namespace PushPermissionText {

QString GrantQuestion(const QByteArray& name)
{
    return QStringLiteral("You want to grant Push Permission to ") + Ansi::ToDisplay(name) + u'?';
}

QString RevokeQuestion(const QByteArray& name)
{
    return QStringLiteral("You want to revoke Push Permission of ") + Ansi::ToDisplay(name) + u'?';
}

QString AlreadyListed(const QByteArray& name)
{
    return Ansi::ToDisplay(name) + QStringLiteral(" already has push permission!");
}

} // namespace PushPermissionText

} // namespace Brivane
