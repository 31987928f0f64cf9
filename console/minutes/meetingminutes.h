#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// The minutes of a meeting as the class receives them. Widget-free.
namespace Brivane::MeetingMinutes {

// A multi-line text as wire lines: an empty text has no lines, a line break at the very end
// starts none.
QList<QByteArray> TextLines(const QString& text);

// Code 11: purpose, the date in the workstation's short date format, agenda, conclusion.
QByteArray MinutesLine(const QString& purpose, const QDate& date, const QString& agenda,
                       const QString& conclusion);

} // namespace Brivane::MeetingMinutes
