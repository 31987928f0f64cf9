#pragma once

#include "common/core/studentlist.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace Cortelle {

// A grade cell whose text the upload line cannot carry: the name server cuts the line at every
// "$$$" and ";", so such a text would move this and every later student's grades.
struct TUnsendableGrade
{
    enum Reason { HoldsSeparator, EndsInDollar };
    const Quillon::TStudent* Student = nullptr;
    int Column = 0; // grid column
    Reason Why = HoldsSeparator;
};

// The first cell, in roster and column order, that would not arrive as it was typed: its sent
// (trimmed) text holds ";", "$$$", CR or LF, or, as the last grade of a student followed by
// another, ends in "$" (which would run into the next "$$$"). Students without a grade row
// send no grades and are skipped.
std::optional<TUnsendableGrade> FindUnsendableGrade(const Quillon::TStudentList& roster);

// The teacher's message for it, naming the student and the column title.
QString UnsendableGradeMessage(const TUnsendableGrade& grade, const QList<QByteArray>& columnTitles);

} // namespace Cortelle
