#pragma once

#include <QByteArray>
#include <QList>

// What the crashing session does before it waits to be killed, shared with the test that kills it.
namespace CrashingSession {

inline const char* const ModeVariable = "CRASHING_SESSION_MODE";
inline const char* const StateVariable = "CRASHING_SESSION_STATE";
inline const QByteArray ReadyLine("CRASHING-SESSION-READY");

// The chat lines the console shows: accented, with RTF's own characters.
inline QList<QByteArray> ChatLines()
{
    QList<QByteArray> lines;
    for (int i = 0; i < 8; ++i)
        lines << "line " + QByteArray::number(i) + " caf\xE9 {\\b} \x80";
    return lines;
}

// The office's class at the crash, and the grades typed into it (row, column of the grid).
inline const QList<QByteArray> RosterAtCrash{"s1", "Jane", "Doe", "jane@example.org", "A;B", //
                                             "s2", "Bo",   "Li",  "bo@example.org",   "C;D"};
inline const QByteArray ColumnTitles("Quiz 1;Midterm");

} // namespace CrashingSession
