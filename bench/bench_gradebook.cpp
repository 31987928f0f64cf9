// The grade book: the grid built from the titles and a roster (as every roster arrival does it,
// on a shown grid), the grade upload encoded, and a second roster under 600 group titles spanning
// up to 100 000 columns. Floors: the same texts filled into a plain QStandardItemModel shown in a
// QTableView, and the same strings joined.
#include "bench/benchapplication.h"
#include "bench/benchtable.h"
#include "common/core/nameserverprotocol.h"
#include "common/core/studentlist.h"
#include "gradebook/book/gradebookpage.h"
#include "gradebook/book/gradegrid.h"
#include "gradebook/book/gradeupload.h"

#include <QStandardItemModel>
#include <QTableView>

using Quillon::TStudentList;

namespace {

constexpr int Titles = 47; // with the three name columns: 50 columns

struct GradeBook
{
    QList<QByteArray> columnTitles;
    QList<QByteArray> groupTitles;
    TStudentList roster;
    QByteArray course = "Algebra I";
};

GradeBook MakeBook(std::int64_t students, int titles, int groups)
{
    GradeBook book;
    for (int c = 0; c < titles; ++c)
        book.columnTitles.append("Quiz " + QByteArray::number(c + 1));
    for (int g = 0; g < groups; ++g)
        book.groupTitles.append("Unit " + QByteArray::number(g) + ':' + QByteArray::number(g * 7 % titles) +
                                ':' + QByteArray::number(titles + 2));
    for (std::int64_t i = 0; i < students; ++i) {
        Quillon::TStudent* student = book.roster.Add();
        student->FFirstName = "First" + QByteArray::number(i);
        student->FLastName = "Last\xE9" + QByteArray::number(i);
        student->FEmail = "student" + QByteArray::number(i) + "@example.org";
        student->FStudentID = "S" + QByteArray::number(i);
        QList<QByteArray> grades;
        for (int c = 0; c < std::min(titles, 47); ++c)
            grades.append(QByteArray::number((i * 7 + c) % 100));
        student->FGrades = grades.join(';');
    }
    return book;
}

struct ShownPage
{
    explicit ShownPage(GradeBook& book) : page({book.roster, book.course, [](const QByteArray&) {}})
    {
        page.resize(900, 600);
        page.TitlesArrival(book.columnTitles, book.groupTitles);
        page.show();
    }
    void Arrival()
    {
        page.ClearGrid();
        page.ShowGroupTitles();
        page.BuildGradeGrid();
    }
    Cortelle::TGradeBookPage page;
};

void BuildGrid(benchmark::State& state, std::int64_t students, int titles, int groups)
{
    BenchApplication();
    GradeBook book = MakeBook(students, titles, groups);
    ShownPage shown(book);
    shown.Arrival(); // the first roster; every iteration is the next one
    for (auto _ : state)
        shown.Arrival();
}

// The same texts, shown: a fresh model filled before it is handed to the view.
void PlainGrid(benchmark::State& state, std::int64_t students, int titles, int groups)
{
    BenchApplication();
    GradeBook book = MakeBook(students, titles, groups);
    QList<Cortelle::TTitle> groupTitles;
    for (const QByteArray& text : book.groupTitles)
        groupTitles.append(Cortelle::TTitle(text));
    QTableView view;
    view.resize(900, 600);
    view.show();
    std::unique_ptr<QStandardItemModel> shown;
    for (auto _ : state) {
        const Cortelle::TGradeGridLayout layout = Cortelle::GradeGridLayout(book.columnTitles, book.roster);
        const QList<QByteArray> row0 = Cortelle::GroupTitleRow(groupTitles, titles);
        auto model = std::make_unique<QStandardItemModel>(layout.RowCount, layout.ColCount);
        for (int c = 0; c < row0.size(); ++c)
            model->setItem(0, c, new QStandardItem(QString::fromLatin1(row0[c])));
        for (int r = 0; r < layout.Rows.size(); ++r) {
            for (int c = 0; c < layout.Rows[r].size(); ++c)
                model->setItem(r + 1, c, new QStandardItem(QString::fromLatin1(layout.Rows[r][c])));
        }
        view.setModel(model.get());
        shown = std::move(model);
    }
}

void EncodeUpload(benchmark::State& state)
{
    BenchApplication();
    GradeBook book = MakeBook(state.range(0), Titles, 3);
    ShownPage shown(book);
    shown.Arrival();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Cortelle::FindUnsendableGrade(book.roster));
        benchmark::DoNotOptimize(Quillon::NameServer::GradeUploadLine(book.course, book.roster.GradesText()));
    }
}

void JoinUpload(benchmark::State& state)
{
    GradeBook book = MakeBook(state.range(0), Titles, 3);
    QList<QList<QByteArray>> grades;
    for (const auto& student : book.roster)
        grades.append(student->FGrades.split(';'));
    for (auto _ : state) {
        QByteArray line = QByteArray("\xC2\xC3\xC4", 3) + book.course;
        for (int i = 0; i < grades.size(); ++i) {
            line += "$$$" + book.roster.Items(i)->FStudentID + "$$$";
            line += grades[i].join(';');
        }
        benchmark::DoNotOptimize(line);
    }
}

const bool registered = [] {
    using QuillonBench::RegisterRow;
    RegisterRow(
        "grade grid build (x 50 columns)", 1.5, {100, 1000, 10000},
        [](benchmark::State& s) { BuildGrid(s, s.range(0), Titles, 3); },
        [](benchmark::State& s) { PlainGrid(s, s.range(0), Titles, 3); });
    RegisterRow("grade upload encode (x 50 columns)", 1.5, {100, 1000, 10000}, EncodeUpload, JoinUpload);
    // Size is the column count: 600 group titles over all of it, two students.
    RegisterRow(
        "second roster, 600 group titles (columns)", 1.5, {1000, 10000, 100000},
        [](benchmark::State& s) { BuildGrid(s, 2, static_cast<int>(s.range(0)), 600); },
        [](benchmark::State& s) { PlainGrid(s, 2, static_cast<int>(s.range(0)), 600); });
    return true;
}();

} // namespace
