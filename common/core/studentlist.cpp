#include "common/core/studentlist.h"

#include "common/core/wire.h"

namespace Quillon {

namespace {

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Only a..z fold: Qt's case-insensitive compare would fold Latin-1 letters as well.
bool SameAsciiFolded(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    }
    return true;
}

QByteArray GradeCell(const TGradeRow* row, int column)
{
    if (row == nullptr || column >= row->CellCount())
        return QByteArray();
    return TrimControls(row->Cell(column));
}

} // namespace

QByteArray TStudent::FullName() const
{
    return FFirstName + ' ' + FLastName;
}

void TStudent::SetStatus(int status)
{
    if (status >= ssOffline && status <= ssAsleep)
        FStatus = static_cast<std::uint8_t>(status);
}

QByteArray TStudent::GradeRecord() const
{
    QByteArray record = FStudentID + FieldSeparator;
    const int cells = FGradeRow != nullptr ? FGradeRow->CellCount() : 0;
    for (int column = 3; column < cells; ++column) {
        if (column > 3)
            record.append(ListSeparator);
        record.append(GradeCell(FGradeRow, column));
    }
    return record;
}

void TStudent::GradeSummary(const QList<QByteArray>& titles, QList<QByteArray>& lines) const
{
    for (int i = 0; i < titles.size(); ++i) {
        QByteArray grade = GradeCell(FGradeRow, i + 3);
        if (grade.isEmpty())
            grade = QByteArrayLiteral("N/A");
        lines.append(titles[i] + PairSeparator + grade + ListSeparator);
    }
}

TStudent* TStudentList::Add()
{
    m_items.push_back(std::make_unique<TStudent>());
    return m_items.back().get();
}

void TStudentList::Clear()
{
    m_items.clear();
}

TStudent* TStudentList::FindByName(QByteArrayView first, QByteArrayView last) const
{
    for (const auto& student : m_items) {
        if (SameAsciiFolded(student->FFirstName, first) && SameAsciiFolded(student->FLastName, last))
            return student.get();
    }
    return nullptr;
}

TStudent* TStudentList::FindByFullName(QByteArrayView displayName) const
{
    QByteArray rest = displayName.toByteArray();
    const QByteArray first = NextField(rest, " ");
    const QByteArray last = NextField(rest, " ");
    return FindByName(first, last);
}

QByteArray TStudentList::GradesText() const
{
    QByteArray text;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (i > 0)
            text.append(FieldSeparator);
        text.append(m_items[i]->GradeRecord());
    }
    return text;
}

} // namespace Quillon
