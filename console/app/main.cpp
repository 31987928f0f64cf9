#include "console/app/consoleprogram.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brivane"));
    Brivane::TProgram program;
    program.Form_Main->show();
    return program.App.Run();
}
