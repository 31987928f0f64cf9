#pragma once

#include "common/core/studentlist.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace Cortelle {

// How far the kept draft may lag behind the grid.
inline constexpr int GradeDraftLagMs = 2000;
// The course office's folder of unsaved work, under the user's state folder.
inline const QString OfficeRecoveryProgram = QStringLiteral("cortelle");

// One grade typed since the last Save, named so that it survives a changed roster: the student by
// identifier, the column by its title and, where titles repeat, which of the equal titles it is.
struct TGradeEdit
{
    QByteArray StudentID;
    QByteArray Title;
    int TitleOccurrence = 0;
    QByteArray Grade;

    bool operator==(const TGradeEdit&) const = default;
};

// The grades typed since the last Save, one per cell, the latest text winning.
class TGradeDraft
{
public:
    void Record(const TGradeEdit& edit);
    const QList<TGradeEdit>& Edits() const { return m_edits; }
    bool IsEmpty() const { return m_edits.isEmpty(); }

    // The draft file's bytes: nothing but the edits.
    QByteArray ToBytes() const;
    // Throws Quillon::Error when the bytes are not a draft.
    static TGradeDraft FromBytes(const QByteArray& bytes);

private:
    QList<TGradeEdit> m_edits;
};

// The edit behind a grade cell of the grid (col, row as the grid counts them); none outside the
// grade cells or the roster.
std::optional<TGradeEdit> EditAt(int col, int row, const QByteArray& text,
                                 const QList<QByteArray>& columnTitles, const Quillon::TStudentList& roster);

// A draft laid onto a grid built from these titles and this roster.
struct TPlacedGrade
{
    int Col = 0;
    int Row = 0;
    TGradeEdit Edit;
};
struct TDraftPlacement
{
    QList<TPlacedGrade> Placed;
    // Edits whose student or column is no longer there: reported, never put anywhere.
    QList<TGradeEdit> Unmatched;
};
TDraftPlacement PlaceDraft(const TGradeDraft& draft, const QList<QByteArray>& columnTitles,
                           const Quillon::TStudentList& roster);

// The report of edits that were not put back, one line each, cut after a screenful.
QString UnmatchedEditsMessage(const QList<TGradeEdit>& unmatched);

// The draft file's name for a teacher's course; names of any text make a plain file name.
QString GradeDraftFileName(const QByteArray& teacher, const QByteArray& course);

} // namespace Cortelle
