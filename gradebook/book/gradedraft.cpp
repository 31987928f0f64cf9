#include "gradebook/book/gradedraft.h"

#include "common/core/ansi.h"
#include "common/core/error.h"
#include "gradebook/book/gradegrid.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

using namespace Qt::StringLiterals;

namespace Cortelle {

namespace {

const QString EditsKey = u"edits"_s;
constexpr int ReportedLines = 20;

// Wire bytes through JSON text unchanged: one character per byte.
QJsonValue BytesValue(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

std::optional<QByteArray> ValueBytes(const QJsonValue& value)
{
    if (!value.isString())
        return std::nullopt;
    const QString text = value.toString();
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return std::nullopt;
    return text.toLatin1();
}

// Which of the titles equal to titles[index] it is, counting from 0.
int Occurrence(const QList<QByteArray>& titles, int index)
{
    int occurrence = 0;
    for (int i = 0; i < index; ++i)
        if (titles[i] == titles[index])
            ++occurrence;
    return occurrence;
}

std::optional<int> TitleIndex(const QList<QByteArray>& titles, const QByteArray& title, int occurrence)
{
    for (int i = 0; i < titles.size(); ++i)
        if (titles[i] == title && occurrence-- == 0)
            return i;
    return std::nullopt;
}

std::optional<int> StudentIndex(const Quillon::TStudentList& roster, const QByteArray& id)
{
    if (id.isEmpty())
        return std::nullopt;
    for (int i = 0; i < roster.Count(); ++i)
        if (roster.Items(i)->FStudentID == id)
            return i;
    return std::nullopt;
}

} // namespace

void TGradeDraft::Record(const TGradeEdit& edit)
{
    for (TGradeEdit& earlier : m_edits)
        if (earlier.StudentID == edit.StudentID && earlier.Title == edit.Title &&
            earlier.TitleOccurrence == edit.TitleOccurrence) {
            earlier.Grade = edit.Grade;
            return;
        }
    m_edits.append(edit);
}

QByteArray TGradeDraft::ToBytes() const
{
    QJsonArray edits;
    for (const TGradeEdit& edit : m_edits)
        edits.append(QJsonArray{BytesValue(edit.StudentID), BytesValue(edit.Title), edit.TitleOccurrence,
                                BytesValue(edit.Grade)});
    return QJsonDocument(QJsonObject{{EditsKey, edits}}).toJson(QJsonDocument::Compact);
}

TGradeDraft TGradeDraft::FromBytes(const QByteArray& bytes)
{
    const Quillon::Error unreadable(u"The unsaved grades of an earlier session could not be read."_s);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        !document.object()[EditsKey].isArray())
        throw unreadable;
    TGradeDraft draft;
    for (const QJsonValue& value : document.object()[EditsKey].toArray()) {
        const QJsonArray fields = value.toArray();
        if (fields.size() != 4 || !fields[2].isDouble())
            throw unreadable;
        const std::optional<QByteArray> id = ValueBytes(fields[0]);
        const std::optional<QByteArray> title = ValueBytes(fields[1]);
        const std::optional<QByteArray> grade = ValueBytes(fields[3]);
        const int occurrence = fields[2].toInt(-1);
        if (!id || !title || !grade || occurrence < 0)
            throw unreadable;
        draft.Record({*id, *title, occurrence, *grade});
    }
    return draft;
}

std::optional<TGradeEdit> EditAt(int col, int row, const QByteArray& text,
                                 const QList<QByteArray>& columnTitles, const Quillon::TStudentList& roster)
{
    const int titleIndex = col - NameColumns;
    const int studentIndex = row - HeaderRows;
    if (titleIndex < 0 || titleIndex >= columnTitles.size() || studentIndex < 0 ||
        studentIndex >= roster.Count())
        return std::nullopt;
    return TGradeEdit{roster.Items(studentIndex)->FStudentID, columnTitles[titleIndex],
                      Occurrence(columnTitles, titleIndex), text};
}

TDraftPlacement PlaceDraft(const TGradeDraft& draft, const QList<QByteArray>& columnTitles,
                           const Quillon::TStudentList& roster)
{
    TDraftPlacement placement;
    for (const TGradeEdit& edit : draft.Edits()) {
        const std::optional<int> student = StudentIndex(roster, edit.StudentID);
        const std::optional<int> title = TitleIndex(columnTitles, edit.Title, edit.TitleOccurrence);
        if (student && title)
            placement.Placed.append({NameColumns + *title, HeaderRows + *student, edit});
        else
            placement.Unmatched.append(edit);
    }
    return placement;
}

QString UnmatchedEditsMessage(const QList<TGradeEdit>& unmatched)
{
    QString text =
        u"These unsaved grades no longer match a student or column of the class and were not put back:"_s;
    for (qsizetype i = 0; i < unmatched.size() && i < ReportedLines; ++i) {
        const TGradeEdit& edit = unmatched[i];
        text += u"\nStudent "_s + Quillon::Ansi::ToDisplay(edit.StudentID.left(40)) + u", "_s +
                Quillon::Ansi::ToDisplay(edit.Title.left(40)) + u": "_s +
                Quillon::Ansi::ToDisplay(edit.Grade.left(40));
    }
    if (unmatched.size() > ReportedLines)
        text += u"\n(and %1 more)"_s.arg(unmatched.size() - ReportedLines);
    return text;
}

QString GradeDraftFileName(const QByteArray& teacher, const QByteArray& course)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(teacher);
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(course);
    return u"grades-"_s + QString::fromLatin1(hash.result().toHex().left(32)) + u".draft"_s;
}

} // namespace Cortelle
