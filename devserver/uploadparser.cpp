#include "devserver/uploadparser.h"

#include "common/core/ansi.h"
#include "common/core/error.h"
#include "common/core/wire.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

QList<GradeRecord> ParseGradeUpload(QByteArray rest, const Course& course, const QList<SampleStudent>& roster)
{
    const QByteArray uploadCourse = NextField(rest, FieldSeparator);
    if (uploadCourse != course.name)
        throw Error(u"the upload is for course '%1' but the connection signed in to '%2'"_s.arg(
            Ansi::ToDisplay(uploadCourse), Ansi::ToDisplay(course.name)));

    QSet<QByteArray> known;
    for (const SampleStudent& student : roster)
        known.insert(student.id);

    QList<GradeRecord> records;
    QSet<QByteArray> seen;
    const qsizetype columns = course.columns.size();
    while (!rest.isEmpty()) {
        GradeRecord record;
        record.id = NextField(rest, FieldSeparator);
        record.grades = NextField(rest, FieldSeparator);
        const QString who = Ansi::ToDisplay(record.id);
        if (!known.contains(record.id))
            throw Error(u"record %1 names '%2', who is not on the roster"_s.arg(records.size() + 1).arg(who));
        if (seen.contains(record.id))
            throw Error(u"student '%1' appears twice"_s.arg(who));
        seen.insert(record.id);
        // With no columns a record holds an empty grade text; otherwise one value per column.
        const qsizetype values = columns == 0 && record.grades.isEmpty() ? 0 : record.grades.count(';') + 1;
        if (values != columns)
            throw Error(
                u"student '%1' has %2 grade values for %3 columns"_s.arg(who).arg(values).arg(columns));
        records.append(record);
    }
    return records;
}

} // namespace Quillon::DevServer
