#include "console/app/consoleprogram.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The web engine, started later for the "Web Browser" page, shares the window's GL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brivane"));
    Brivane::TProgram program;
    program.Form_Main->show();
    return program.App.Run();
}
