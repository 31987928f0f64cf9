// The floor of the start-up rows: a bare Qt Widgets program showing one dialog.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("Form_Login"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLineEdit(&dialog));
    return dialog.exec();
}
