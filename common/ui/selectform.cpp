#include "common/ui/selectform.h"

#include "common/core/ansi.h"
#include "common/core/readabletext.h"
#include "common/core/wire.h"
#include "common/ui/centerform.h"
#include "ui_selectform.h"

namespace Quillon {

namespace {
constexpr qsizetype CourseChars = 200;
}

TForm_Select::TForm_Select(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TForm_Select>())
{
    ui->setupUi(this);
    setFixedSize(sizeHint());
}

TForm_Select::~TForm_Select() = default;

void TForm_Select::Execute(const QList<QByteArray>& courses, QByteArray& course)
{
    CenterForm(this);
    if (courses.isEmpty())
        return;
    ShowCourses(courses);
    exec();
    const QVariant chosen = ui->ComboBox_Course->currentData();
    course = TrimControls(chosen.isValid() ? chosen.toByteArray() : QByteArray());
}

void TForm_Select::ShowCourses(const QList<QByteArray>& courses)
{
    if (courses.isEmpty())
        return;
    const QVariant before = ui->ComboBox_Course->currentData();
    ui->ComboBox_Course->clear();
    // Each entry keeps the course as the server sent it; the list shows a readable start of it.
    for (const QByteArray& entry : courses)
        ui->ComboBox_Course->addItem(Readable(Ansi::ToDisplay(entry), CourseChars, 1), entry);
    const int kept = before.isValid() ? ui->ComboBox_Course->findData(before) : -1;
    ui->ComboBox_Course->setCurrentIndex(kept >= 0 ? kept : 0);
}

} // namespace Quillon
