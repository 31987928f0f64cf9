#include "devserver/classdata.h"

#include "common/core/ansi.h"
#include "common/core/convert.h"
#include "common/core/error.h"
#include "common/core/wire.h"

#include <QFile>
#include <QSet>

#include <optional>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

namespace {

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(QByteArrayView typed, QByteArrayView stored)
{
    const QByteArray a = TrimControls(typed);
    if (a.size() != stored.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(stored[i]))
            return false;
    }
    return true;
}

enum class Section { None, Teacher, Course, Chatter };

// Reads the class file line by line: "[section]" starts a new record, "key = value" fills it.
class Parser
{
public:
    explicit Parser(QString fileName) : m_fileName(std::move(fileName)) {}

    ClassData Parse(const QString& text);

private:
    [[noreturn]] void Fail(const QString& message) const
    {
        throw Error(u"%1:%2: %3"_s.arg(m_fileName).arg(m_lineNumber).arg(message));
    }

    QByteArray Wire(const QString& text) const;
    QList<QByteArray> List(const QString& value) const;
    void Entry(const QString& key, const QString& value);
    void TeacherEntry(const QString& key, const QString& value);
    void CourseEntry(const QString& key, const QString& value);
    void ChatterEntry(const QString& key, const QString& value);
    void Student(const QString& value);
    void CheckGroup(const QByteArray& group) const;
    void FinishRecord();
    void CheckCourses();

    QString m_fileName;
    int m_lineNumber = 0;
    Section m_section = Section::None;
    int m_recordLine = 0;
    ClassData m_data;
    QList<int> m_teacherLines; // where each teacher starts, for faults found at the end
    QSet<QByteArray> m_studentIds;
};

ClassData Parser::Parse(const QString& text)
{
    const QStringList lines = text.split(u'\n');
    for (const QString& raw : lines) {
        ++m_lineNumber;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                Fail(u"a section header must end in ']'"_s);
            FinishRecord();
            const QString name = line.mid(1, line.size() - 2).trimmed().toLower();
            m_recordLine = m_lineNumber;
            if (name == u"teacher") {
                m_section = Section::Teacher;
                m_data.teachers.append(Teacher());
                m_teacherLines.append(m_lineNumber);
            } else if (name == u"course") {
                m_section = Section::Course;
                m_data.courses.append(Course());
                m_studentIds.clear();
            } else if (name == u"chatter") {
                m_section = Section::Chatter;
            } else {
                Fail(u"unknown section [%1]; expected [teacher], [course] or [chatter]"_s.arg(name));
            }
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            Fail(u"expected 'key = value' or a [section]"_s);
        Entry(line.left(equals).trimmed().toLower(), line.mid(equals + 1).trimmed());
    }
    ++m_lineNumber;
    FinishRecord();
    CheckCourses();
    return m_data;
}

QByteArray Parser::Wire(const QString& text) const
{
    const QByteArray wire = Ansi::ToWire(text);
    if (Ansi::ToDisplay(wire) != text)
        Fail(u"'%1' holds a character that Windows-1252 cannot carry"_s.arg(text));
    if (wire.contains(FieldSeparator))
        Fail(u"'%1' holds \"$$$\", which would split the field on the wire"_s.arg(text));
    for (const char c : wire) {
        if (static_cast<unsigned char>(c) < 0x20)
            Fail(u"'%1' holds a control character"_s.arg(text));
    }
    return wire;
}

QList<QByteArray> Parser::List(const QString& value) const
{
    QList<QByteArray> items;
    if (value.isEmpty())
        return items;
    for (const QString& item : value.split(u';'))
        items.append(Wire(item.trimmed()));
    return items;
}

void Parser::Entry(const QString& key, const QString& value)
{
    switch (m_section) {
    case Section::Teacher:
        return TeacherEntry(key, value);
    case Section::Course:
        return CourseEntry(key, value);
    case Section::Chatter:
        return ChatterEntry(key, value);
    case Section::None:
        break;
    }
    Fail(u"'%1' before any [section]"_s.arg(key));
}

void Parser::TeacherEntry(const QString& key, const QString& value)
{
    Teacher& teacher = m_data.teachers.back();
    if (key == u"first")
        teacher.first = Wire(value);
    else if (key == u"last")
        teacher.last = Wire(value);
    else if (key == u"password")
        teacher.password = Wire(value);
    else if (key == u"course")
        teacher.courses.append(Wire(value));
    else
        Fail(u"unknown teacher key '%1'; expected first, last, password or course"_s.arg(key));
}

void Parser::CourseEntry(const QString& key, const QString& value)
{
    Course& course = m_data.courses.back();
    if (key == u"name") {
        course.name = Wire(value);
    } else if (key == u"columns") {
        course.columns = List(value);
        for (const QByteArray& title : course.columns) {
            if (title.isEmpty())
                Fail(u"empty column title"_s);
        }
    } else if (key == u"groups") {
        course.groups = List(value);
        for (const QByteArray& group : course.groups)
            CheckGroup(group);
    } else if (key == u"material") {
        course.material.append(Wire(value));
    } else if (key == u"student") {
        Student(value);
    } else {
        Fail(u"unknown course key '%1'; expected name, columns, groups, material or student"_s.arg(key));
    }
}

void Parser::ChatterEntry(const QString& key, const QString& value)
{
    Phrase phrase;
    for (const QString& line : value.split(u"\\n"_s))
        phrase.append(Wire(line.trimmed()));
    Chatter& chatter = m_data.chatter;
    if (key == u"public")
        chatter.publicChat.append(phrase);
    else if (key == u"private")
        chatter.privateChat.append(phrase);
    else if (key == u"answer")
        chatter.answers.append(phrase);
    else if (key == u"notice")
        chatter.notices.append(phrase);
    else
        Fail(u"unknown chatter key '%1'; expected public, private, answer or notice"_s.arg(key));
}

void Parser::Student(const QString& value)
{
    const QStringList parts = value.split(u'|');
    if (parts.size() < 4 || parts.size() > 5)
        Fail(u"a student is 'id | first | last | e-mail | grades'"_s);
    SampleStudent student;
    student.id = Wire(parts[0].trimmed());
    student.first = Wire(parts[1].trimmed());
    student.last = Wire(parts[2].trimmed());
    student.email = Wire(parts[3].trimmed());
    if (parts.size() == 5)
        student.grades = Wire(parts[4].trimmed());
    if (student.id.isEmpty() || student.first.isEmpty() || student.last.isEmpty())
        Fail(u"a student needs an identifier, a first name and a last name"_s);
    if (m_studentIds.contains(student.id))
        Fail(u"student identifier '%1' used twice in this course"_s.arg(Ansi::ToDisplay(student.id)));
    m_studentIds.insert(student.id);
    Course& course = m_data.courses.back();
    const qsizetype values = student.grades.isEmpty() ? 0 : student.grades.count(';') + 1;
    if (values > course.columns.size())
        Fail(u"%1 grade values but the course has %2 columns (give 'columns' before the students)"_s
                 .arg(values)
                 .arg(course.columns.size()));
    course.students.append(student);
}

void Parser::CheckGroup(const QByteArray& group) const
{
    QByteArray rest = group;
    const QByteArray name = NextField(rest, PairSeparator);
    const auto first = TryStrToInt(NextField(rest, PairSeparator));
    const auto last = TryStrToInt(NextField(rest, PairSeparator));
    const qsizetype lastColumn = m_data.courses.back().columns.size() + 2;
    if (name.isEmpty() || !first || !last || !rest.isEmpty())
        Fail(u"group title '%1' is not name:first:last"_s.arg(Ansi::ToDisplay(group)));
    if (*first < 3 || *first > *last || *last > lastColumn)
        Fail(u"group title '%1' must cover columns between 3 and %2 (grade columns count from 3; "
             "give 'columns' first)"_s.arg(Ansi::ToDisplay(group))
                 .arg(lastColumn));
}

void Parser::FinishRecord()
{
    if (m_section == Section::Teacher) {
        const Teacher& teacher = m_data.teachers.back();
        if (teacher.first.isEmpty() || teacher.last.isEmpty() || teacher.password.isEmpty())
            Fail(u"the [teacher] from line %1 needs first, last and password"_s.arg(m_recordLine));
    } else if (m_section == Section::Course) {
        const Course& course = m_data.courses.back();
        if (course.name.isEmpty())
            Fail(u"the [course] from line %1 needs a name"_s.arg(m_recordLine));
        for (qsizetype i = 0; i + 1 < m_data.courses.size(); ++i) {
            if (m_data.courses[i].name == course.name)
                Fail(u"course '%1' defined twice"_s.arg(Ansi::ToDisplay(course.name)));
        }
    }
}

void Parser::CheckCourses()
{
    for (qsizetype t = 0; t < m_data.teachers.size(); ++t) {
        for (const QByteArray& name : m_data.teachers[t].courses) {
            if (m_data.FindCourse(name) == nullptr) {
                m_lineNumber = m_teacherLines[t];
                Fail(u"the teacher teaches '%1', which no [course] defines"_s.arg(Ansi::ToDisplay(name)));
            }
        }
    }
    if (m_data.teachers.isEmpty()) {
        m_lineNumber = 0;
        Fail(u"no [teacher] defined"_s);
    }
}

} // namespace

const Teacher* ClassData::FindTeacher(QByteArrayView first, QByteArrayView last) const
{
    for (const Teacher& teacher : teachers) {
        if (SameName(first, teacher.first) && SameName(last, teacher.last))
            return &teacher;
    }
    return nullptr;
}

const Course* ClassData::FindCourse(QByteArrayView name) const
{
    for (const Course& course : courses) {
        if (course.name == name)
            return &course;
    }
    return nullptr;
}

ClassData LoadClassData(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(u"Cannot read the class file %1: %2"_s.arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        throw Error(u"%1 is not UTF-8 text"_s.arg(fileName));
    text.remove(u'\r');
    return Parser(fileName).Parse(text);
}

QList<SampleStudent> ClassRoster(const Course& course, int count)
{
    const QList<SampleStudent>& sample = course.students;
    if (count < 0)
        return sample;
    if (count <= sample.size())
        return sample.first(count);

    QList<SampleStudent> roster = sample;
    QSet<QByteArray> ids;
    for (const SampleStudent& student : sample)
        ids.insert(student.id);
    const qsizetype n = sample.size();
    for (int i = static_cast<int>(n); i < count; ++i) {
        SampleStudent extra;
        extra.id = "x" + QByteArray::number(i + 1);
        while (ids.contains(extra.id))
            extra.id.append('x');
        ids.insert(extra.id);
        if (n > 0) {
            extra.first = sample[i % n].first;
            extra.last = sample[(i / n + 3 * i + 1) % n].last;
        } else {
            extra.first = "Student";
            extra.last = QByteArray::number(i + 1);
        }
        extra.email = "student" + QByteArray::number(i + 1) + "@example.org";
        roster.append(extra);
    }
    return roster;
}

} // namespace Quillon::DevServer
