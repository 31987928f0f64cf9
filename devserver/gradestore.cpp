#include "devserver/gradestore.h"

#include "common/core/ansi.h"
#include "common/core/error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

namespace {

constexpr char CourseKey[] = "course";

// Printable ASCII stays readable; '%', '=' and every other byte become %XX.
QByteArray Encode(QByteArrayView bytes, bool forFileName)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        const bool keep = forFileName ? ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') ||
                                         (u >= 'a' && u <= 'z') || u == '-' || u == '_')
                                      : (u > 0x20 && u < 0x7F && u != '%' && u != '=');
        if (keep) {
            out.append(c);
        } else {
            out.append('%');
            out.append(Hex[u >> 4]);
            out.append(Hex[u & 0xF]);
        }
    }
    return out;
}

} // namespace

GradeStore::GradeStore(QString directory) : m_directory(std::move(directory)) {}

QString GradeStore::FileOf(const QByteArray& course) const
{
    return m_directory + u'/' + QString::fromLatin1(Encode(course, true)) + u".grades"_s;
}

QHash<QByteArray, QByteArray> GradeStore::Load(const QByteArray& course) const
{
    QHash<QByteArray, QByteArray> grades;
    QFile file(FileOf(course));
    if (!file.exists())
        return grades;
    if (!file.open(QIODevice::ReadOnly))
        throw Error(u"Cannot read the stored grades %1: %2"_s.arg(file.fileName(), file.errorString()));
    int lineNumber = 0;
    bool courseSeen = false;
    while (!file.atEnd()) {
        ++lineNumber;
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            throw Error(
                u"%1:%2: damaged line, expected identifier=grades"_s.arg(file.fileName()).arg(lineNumber));
        const QByteArray key = QByteArray::fromPercentEncoding(line.left(equals));
        const QByteArray value = QByteArray::fromPercentEncoding(line.mid(equals + 1));
        if (!courseSeen) {
            if (key != CourseKey || value != course)
                throw Error(u"%1: the file does not hold the grades of '%2'"_s.arg(file.fileName(),
                                                                                   Ansi::ToDisplay(course)));
            courseSeen = true;
            continue;
        }
        grades.insert(key, value);
    }
    if (file.error() != QFileDevice::NoError)
        throw Error(u"Cannot read the stored grades %1: %2"_s.arg(file.fileName(), file.errorString()));
    return grades;
}

void GradeStore::Store(const QByteArray& course, const QList<GradeRecord>& records) const
{
    QHash<QByteArray, QByteArray> grades = Load(course);
    for (const GradeRecord& record : records)
        grades.insert(record.id, record.grades);

    QList<QByteArray> ids = grades.keys();
    std::sort(ids.begin(), ids.end());
    QByteArray text =
        "# Grades uploaded to quillon-devserver: identifier=grades, bytes outside printable ASCII as %XX\n";
    text += CourseKey + QByteArray("=") + Encode(course, false) + '\n';
    for (const QByteArray& id : ids)
        text += Encode(id, false) + '=' + Encode(grades.value(id), false) + '\n';

    if (!QDir().mkpath(m_directory))
        throw Error(u"Cannot create the state directory %1"_s.arg(m_directory));
    QSaveFile file(FileOf(course));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw Error(u"Cannot write the grades %1: %2"_s.arg(file.fileName(), file.errorString()));
}

} // namespace Quillon::DevServer
