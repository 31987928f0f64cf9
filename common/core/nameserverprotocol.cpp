#include "common/core/nameserverprotocol.h"

#include "common/core/convert.h"
#include "common/core/wire.h"

namespace Quillon::NameServer {

QByteArray EffectivePassword(const QByteArray& typed)
{
    return TrimControls(typed).isEmpty() ? BlankPasswordReplacement : typed;
}

QByteArray CredentialsLine(const QByteArray& code, const QByteArray& first, const QByteArray& last,
                           const QByteArray& password)
{
    return BuildPacket(JoinFields({code, first, last, password}));
}

QByteArray CourseChoiceLine(const QByteArray& course)
{
    return BuildPacket(course);
}

QByteArray AcknowledgementLine()
{
    return PacketHeader;
}

QByteArray GradeUploadLine(const QByteArray& course, const QByteArray& gradesText)
{
    return BuildPacket(course + FieldSeparator + gradesText);
}

std::optional<int> ReadCode(QByteArray& line)
{
    if (!CheckHeader(line))
        return std::nullopt;
    return TryStrToInt(NextField(line, FieldSeparator));
}

void ReadCourseList(QByteArray& rest, QList<QByteArray>& courses)
{
    while (!rest.isEmpty())
        courses.append(NextField(rest, FieldSeparator));
}

CommServerAddress ReadCommServer(QByteArray& rest)
{
    CommServerAddress address;
    address.host = TrimControls(NextField(rest, FieldSeparator));
    address.port = StrToInt(TrimControls(NextField(rest, FieldSeparator)));
    return address;
}

void ReadConsoleRoster(QByteArray& rest, TStudentList& roster)
{
    roster.Clear();
    while (!rest.isEmpty()) {
        TStudent* student = roster.Add();
        student->FFirstName = NextField(rest, FieldSeparator);
        student->FLastName = NextField(rest, FieldSeparator);
        student->FStatus = ssOffline;
        student->FPushPermission = true;
    }
}

void ReadOfficeRoster(QByteArray& rest, TStudentList& roster)
{
    roster.Clear();
    while (!rest.isEmpty()) {
        TStudent* student = roster.Add();
        student->FStudentID = NextField(rest, FieldSeparator);
        student->FFirstName = NextField(rest, FieldSeparator);
        student->FLastName = NextField(rest, FieldSeparator);
        student->FEmail = NextField(rest, FieldSeparator);
        student->FGrades = NextField(rest, FieldSeparator);
    }
}

void ReadTitles(QByteArray& rest, QList<QByteArray>& columnTitles, QList<QByteArray>& groupTitleTexts)
{
    QByteArray columns = TrimControls(NextField(rest, FieldSeparator));
    while (!columns.isEmpty())
        columnTitles.append(NextField(columns, ListSeparator));
    QByteArray groups = TrimControls(NextField(rest, FieldSeparator));
    while (!groups.isEmpty())
        groupTitleTexts.append(NextField(groups, ListSeparator));
}

} // namespace Quillon::NameServer
