#include "application.h"

#include <QCoreApplication>

namespace Quillon {

TApplication& TApplication::Instance()
{
    static TApplication instance;
    return instance;
}

void TApplication::Terminate()
{
    m_terminated = true;
    // Outside Run() (a test driving the windows) there is no loop of ours to end, and exit()
    // would make every later modal loop of the process return at once.
    if (m_running)
        QCoreApplication::exit(0);
}

int TApplication::Run()
{
    if (m_terminated)
        return 0;
    m_running = true;
    const int result = QCoreApplication::exec();
    m_running = false;
    return result;
}

void TApplication::Reset(const QString& title)
{
    m_title = title;
    m_terminated = false;
}

} // namespace Quillon
