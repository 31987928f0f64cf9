#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <memory>
#include <vector>

namespace Quillon {

enum TStudentStatus : std::uint8_t {
    ssOffline = 0,
    ssHappy = 1,
    ssSad = 2,
    ssWinking = 3,
    ssCrying = 4,
    ssYes = 5,
    ssNo = 6,
    ssAsleep = 7,
};

// A live, read-only view of one row of the grade grid; the grid owns it.
// Cell k is the text of column k as it stands now; CellCount() is the grid's column count.
class TGradeRow
{
public:
    virtual ~TGradeRow() = default;
    virtual int CellCount() const = 0;
    virtual QByteArray Cell(int column) const = 0;
};

class TStudent
{
public:
    QByteArray FStudentID;
    QByteArray FFirstName;
    QByteArray FLastName;
    QByteArray FEmail;
    QByteArray FGrades;
    std::uint8_t FStatus = ssOffline;
    bool FPushPermission = false;
    const TGradeRow* FGradeRow = nullptr; // not owned; valid while the grid row exists

    // First name, one blank, last name: the display text everywhere.
    QByteArray FullName() const;
    // Stores 0..7; any other value leaves the status unchanged.
    void SetStatus(int status);
    // Identifier, "$$$", the trimmed grade cells (columns 3..) joined by ';'. Needs FGradeRow.
    QByteArray GradeRecord() const;
    // Appends "title:grade;" per title, the trimmed grade or "N/A". Needs FGradeRow.
    void GradeSummary(const QList<QByteArray>& titles, QList<QByteArray>& lines) const;
};

// Ordered, owning list of students; lookups scan in list order and return nullptr for no match.
class TStudentList
{
public:
    TStudent* Add();
    void Clear();
    int Count() const { return static_cast<int>(m_items.size()); }
    TStudent* Items(int index) const { return m_items.at(static_cast<std::size_t>(index)).get(); }

    // Names compared with only ASCII letters folded; blanks count.
    TStudent* FindByName(QByteArrayView first, QByteArrayView last) const;
    // Splits "First Last[ anything]" at blanks and calls FindByName.
    TStudent* FindByFullName(QByteArrayView displayName) const;
    // Every student's GradeRecord joined by "$$$"; empty for an empty list.
    QByteArray GradesText() const;

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<std::unique_ptr<TStudent>> m_items;
};

} // namespace Quillon
