#include "gradebook/app/officeprogram.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cortelle"));
    Cortelle::TProgram program;
    program.Form_Main->show();
    return program.App.Run();
}
