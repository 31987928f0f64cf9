#include "application.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brivane"));
    Quillon::Application().Reset(QStringLiteral("Brivane"));
    Brivane::TProgram program;
    program.Form_Main->show();
    return Quillon::Application().Run();
}
