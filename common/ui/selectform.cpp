#include "common/ui/selectform.h"

#include "common/core/ansi.h"
#include "common/core/wire.h"
#include "common/ui/centerform.h"
#include "ui_selectform.h"

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
