#pragma once

#include "common/core/studentlist.h"

#include <QByteArray>
#include <QList>

#include <optional>

// The lines of the name-server protocol, both directions. Readers take the rest of a line
// after its code and consume it field by field.
namespace Quillon::NameServer {

enum Code : int {
    CredentialsRequest = 0,
    CourseList = 1,
    CommServer = 2,
    Roster = 3,
    Titles = 4,
    Refusal = 9,
};

inline const QByteArray ConsoleCredentialsCode("2");
inline const QByteArray OfficeCredentialsCode("3");
inline const QByteArray BlankPasswordReplacement("7193");

// The password as sent: "7193" when the typed one is empty after trimming codes <= 32.
QByteArray EffectivePassword(const QByteArray& typed);

QByteArray CredentialsLine(const QByteArray& code, const QByteArray& first, const QByteArray& last,
                           const QByteArray& password);
QByteArray CourseChoiceLine(const QByteArray& course);
// The three header bytes alone.
QByteArray AcknowledgementLine();
QByteArray GradeUploadLine(const QByteArray& course, const QByteArray& gradesText);

// Header check and code conversion; nullopt when the line is to be dropped silently.
// On success `line` holds the rest after the code.
std::optional<int> ReadCode(QByteArray& line);

// Appends every field up to the end of the line (empty fields give empty entries).
void ReadCourseList(QByteArray& rest, QList<QByteArray>& courses);

struct CommServerAddress
{
    QByteArray host; // trimmed
    int port = 0;
};
// Throws ConvertError when the port does not convert.
CommServerAddress ReadCommServer(QByteArray& rest);

// Console roster: first name; last name per student; status offline, push permission true.
void ReadConsoleRoster(QByteArray& rest, TStudentList& roster);
// Office roster: identifier; first; last; e-mail; grades per student.
void ReadOfficeRoster(QByteArray& rest, TStudentList& roster);

// Grade-book titles: column titles appended untrimmed; group-title texts (name:first:last)
// returned for the grade book to convert.
void ReadTitles(QByteArray& rest, QList<QByteArray>& columnTitles, QList<QByteArray>& groupTitleTexts);

} // namespace Quillon::NameServer
