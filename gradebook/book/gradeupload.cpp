#include "gradebook/book/gradeupload.h"

#include "common/core/ansi.h"
#include "common/core/wire.h"

using namespace Qt::StringLiterals;

namespace Cortelle {

namespace {

constexpr int FirstGradeColumn = 3;

bool HoldsSeparator(const QByteArray& text)
{
    return text.contains(Quillon::ListSeparator) || text.contains(Quillon::FieldSeparator) ||
           text.contains('\r') || text.contains('\n');
}

} // namespace

std::optional<TUnsendableGrade> FindUnsendableGrade(const Quillon::TStudentList& roster)
{
    for (int i = 0; i < roster.Count(); ++i) {
        const Quillon::TStudent* student = roster.Items(i);
        const Quillon::TGradeRow* row = student->FGradeRow;
        if (row == nullptr)
            continue;
        const bool followed = i + 1 < roster.Count();
        const int cells = row->CellCount();
        for (int column = FirstGradeColumn; column < cells; ++column) {
            const QByteArray sent = Quillon::TrimControls(row->Cell(column));
            if (HoldsSeparator(sent))
                return TUnsendableGrade{student, column, TUnsendableGrade::HoldsSeparator};
            if (followed && column == cells - 1 && sent.endsWith('$'))
                return TUnsendableGrade{student, column, TUnsendableGrade::EndsInDollar};
        }
    }
    return std::nullopt;
}

QString UnsendableGradeMessage(const TUnsendableGrade& grade, const QList<QByteArray>& columnTitles)
{
    const int title = grade.Column - FirstGradeColumn;
    const QString column = title >= 0 && title < columnTitles.size()
                               ? Quillon::Ansi::ToDisplay(columnTitles[title])
                               : u"column %1"_s.arg(grade.Column + 1);
    const QString student = Quillon::Ansi::ToDisplay(grade.Student->FullName());
    const QString problem = grade.Why == TUnsendableGrade::HoldsSeparator
                                ? u"holds \";\", \"$$$\" or a line break"_s
                                : u"ends in \"$\""_s;
    return u"The grades were not saved: the grade of %1 under \"%2\" %3, which the name server would "
           "read as a break between grades. Please change it and save again."_s.arg(student, column, problem);
}

} // namespace Cortelle
