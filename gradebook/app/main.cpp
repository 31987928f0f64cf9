#include "application.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cortelle"));
    Quillon::Application().Reset(QStringLiteral("Cortelle"));
    Cortelle::TProgram program;
    program.Form_Main->show();
    return Quillon::Application().Run();
}
