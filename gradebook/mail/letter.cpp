#include "gradebook/mail/letter.h"

#include "common/core/ansi.h"

namespace Cortelle {

QList<QByteArray> BuildLetter(const Quillon::TStudent& student, const QList<QByteArray>& columnTitles,
                              const TLetterText& text, TLetterCopy copy)
{
    QList<QByteArray> lines;
    lines.append("Dear " + student.FullName() + ",");
    lines.append(QByteArray());
    lines += text.Before;
    if (text.IncludeGrades)
        student.GradeSummary(columnTitles, lines);
    lines += text.After;
    lines.append(QByteArray(copy == TLetterCopy::Preview ? 55 : 57, '_'));
    lines.append(LetterClosing);
    return lines;
}

QList<QByteArray> MemoLines(const QString& memoText)
{
    QList<QByteArray> lines;
    if (memoText.isEmpty())
        return lines;
    for (const QString& line : memoText.split(QLatin1Char('\n')))
        lines.append(Quillon::Ansi::ToWire(line));
    return lines;
}

QString LetterBody(const QList<QByteArray>& lines)
{
    QByteArray body;
    for (const QByteArray& line : lines)
        body += line + "\r\n";
    return Quillon::Ansi::ToDisplay(body);
}

} // namespace Cortelle
