#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The sample class the development server plays: teachers, their courses, the students of each
// course and the phrases the simulated students use. Every text is wire text (Windows-1252).
namespace Quillon::DevServer {

struct SampleStudent
{
    QByteArray id;
    QByteArray first;
    QByteArray last;
    QByteArray email;  // may be empty
    QByteArray grades; // grade values joined by ';', one per column title (or fewer)

    QByteArray FullName() const { return first + ' ' + last; }
};

struct Course
{
    QByteArray name;
    QList<QByteArray> columns;  // grade-column titles
    QList<QByteArray> groups;   // group titles, each name:first:last (grid columns, grades from 3)
    QList<QByteArray> material; // main-page addresses the students push
    QList<SampleStudent> students;
};

struct Teacher
{
    QByteArray first;
    QByteArray last;
    QByteArray password; // as the programs send it: "7193" stands for a blank password
    QList<QByteArray> courses;
};

// Each phrase is a list of lines (a multi-line chat text).
using Phrase = QList<QByteArray>;

struct Chatter
{
    QList<Phrase> publicChat;  // to the class
    QList<Phrase> privateChat; // to the teacher alone
    QList<Phrase> answers;     // answers to the teacher's private messages
    QList<Phrase> notices;     // server notices
};

struct ClassData
{
    QList<Teacher> teachers;
    QList<Course> courses;
    Chatter chatter;

    // Names compared trimmed and without regard to ASCII case, so a teacher may type "ann".
    const Teacher* FindTeacher(QByteArrayView first, QByteArrayView last) const;
    const Course* FindCourse(QByteArrayView name) const;
};

// The file name of the class inside a data directory.
inline constexpr char16_t ClassFileName[] = u"class.ini";

// Reads and checks a class file; throws Quillon::Error naming the file and line of a fault.
ClassData LoadClassData(const QString& fileName);

// The course's roster as served: all its students when `count` is negative, else exactly
// `count` of them, the sample ones first and then made-up ones built from the sample names.
QList<SampleStudent> ClassRoster(const Course& course, int count);

} // namespace Quillon::DevServer
