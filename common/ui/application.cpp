#include "common/ui/application.h"

#include <QCoreApplication>

namespace Quillon {

namespace {

TApplication* current = nullptr;

} // namespace

TApplication::TApplication(QString title) : m_title(std::move(title)), m_previous(current)
{
    current = this;
}

TApplication::~TApplication()
{
    if (current == this)
        current = m_previous;
}

TApplication& TApplication::Current()
{
    if (current)
        return *current;
    static TApplication process(QCoreApplication::applicationName());
    return process;
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

} // namespace Quillon
