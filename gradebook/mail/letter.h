#pragma once

#include "common/core/studentlist.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace Cortelle {

// The separator above the closing line: 55 underscores in the preview, 57 in the mail.
enum class TLetterCopy { Preview, Mail };

// What the teacher wrote, as wire text: the lines before and after the grades, and whether the
// grades go in between.
struct TLetterText
{
    QList<QByteArray> Before;
    QList<QByteArray> After;
    bool IncludeGrades = true;
};

inline const QByteArray LetterClosing("This mail is powered by Quillon Version 3.1");

// The letter for one student: the salutation, an empty line, the lines before, the student's grade
// summary under the column titles as the grid shows it now (if asked), the lines after, the
// separator and the closing line.
QList<QByteArray> BuildLetter(const Quillon::TStudent& student, const QList<QByteArray>& columnTitles,
                              const TLetterText& text, TLetterCopy copy);

// A memo's lines as wire text: none for an empty memo, else one per line as typed.
QList<QByteArray> MemoLines(const QString& memoText);

// The letter as one text for the mail, each line ended by CR LF, converted from the wire once.
QString LetterBody(const QList<QByteArray>& lines);

} // namespace Cortelle
