#include "selectform.h"

#include "ansi.h"
#include "centerform.h"
#include "ui_selectform.h"
#include "wire.h"

namespace Quillon {

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
    ui->ComboBox_Course->clear();
    for (const QByteArray& entry : courses)
        ui->ComboBox_Course->addItem(Ansi::ToDisplay(entry));
    ui->ComboBox_Course->setCurrentIndex(0);
    exec();
    course = TrimControls(Ansi::ToWire(ui->ComboBox_Course->currentText()));
}

} // namespace Quillon
