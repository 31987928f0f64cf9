#include "officesession.h"

#include "application.h"
#include "apppath.h"
#include "stringgrid.h"
#include "stringgridmodel.h"
#include "testconfig.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

const QByteArray OfficeSession::Course("Algebra");

OfficeSession::OfficeSession()
    : m_nameServer(std::make_unique<ScriptedPeer>()), m_boxes(std::make_unique<ModalWatcher>())
{
    Quillon::Application().Reset(QStringLiteral("Cortelle"));
    // A box nobody answers would hold the test inside its loop until the time-out: after about
    // two seconds it is closed (it is still in SeenBoxes, so the test sees it was there).
    m_strayBoxes.setInterval(100);
    QObject::connect(&m_strayBoxes, &QTimer::timeout, [this] { CloseStrayBox(); });
    m_strayBoxes.start();
}

OfficeSession::~OfficeSession()
{
    m_program.reset();
    m_boxes.reset();
    m_nameServer.reset();
}

void OfficeSession::CloseStrayBox()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal != m_strayBox) {
        m_strayBox = modal;
        m_strayTicks = 0;
        return;
    }
    if (++m_strayTicks == 20 && m_boxes->Pending() == 0) {
        qWarning() << "closing an unanswered box:" << modal->windowTitle()
                   << (qobject_cast<QMessageBox*>(modal) ? qobject_cast<QMessageBox*>(modal)->text()
                                                         : QString());
        modal->close();
    }
}

bool OfficeSession::SignIn()
{
    if (!WriteTeacherConfig(m_dir.path(), NameServerConfig(m_nameServer->Port())))
        return false;
    m_program = std::make_unique<Cortelle::TProgram>();
    Quillon::AppPath = m_dir.path() + QLatin1Char('/');
    // The exchange takes one tick per line; a short interval keeps the tests quick.
    Form().findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(40);
    m_boxes->Then(ModalWatcher::Login(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("pw")));
    Form().show();
    if (!m_nameServer->WaitForClient())
        return false;
    m_nameServer->SendLine(Packet({"0"}));
    if (!m_nameServer->WaitForLines(1))
        return false;
    m_boxes->Then(ModalWatcher::PickCourse(0));
    m_nameServer->SendLine(Packet({"1", Course}));
    return m_nameServer->WaitForLines(2) && m_nameServer->ReceivedLines().at(1) == Packet({Course});
}

bool OfficeSession::SendTitles(const QByteArray& columnTitles, const QByteArray& groupTitles)
{
    const qsizetype before = LineCount();
    m_nameServer->SendLine(Packet({"4", columnTitles, groupTitles}));
    return m_nameServer->WaitForLines(static_cast<int>(before) + 1) &&
           m_nameServer->ReceivedLines().at(before) == QByteArray("\xC2\xC3\xC4", 3);
}

bool OfficeSession::SendRoster(const QList<QByteArray>& fields)
{
    m_nameServer->SendLine(Packet(QList<QByteArray>{"3"} + fields));
    return Sync();
}

bool OfficeSession::Open(const QByteArray& columnTitles, const QByteArray& groupTitles,
                         const QList<QByteArray>& roster)
{
    return SignIn() && SendTitles(columnTitles, groupTitles) && SendRoster(roster);
}

bool OfficeSession::Sync()
{
    const qsizetype before = LineCount();
    m_nameServer->SendLine(Packet({"0"}));
    return m_nameServer->WaitForLines(static_cast<int>(before) + 1);
}

Cortelle::TStringGrid& OfficeSession::Grid() const
{
    return *Form().findChild<Cortelle::TStringGrid*>(QStringLiteral("sgrdMain"));
}

Cortelle::TStringGridModel& OfficeSession::Cells() const
{
    return *Grid().GridModel();
}

QAction& OfficeSession::Action(const char* name) const
{
    return *Form().findChild<QAction*>(QString::fromLatin1(name));
}

QList<QByteArray> OfficeSession::LinesFrom(qsizetype index, int waitMs)
{
    m_nameServer->WaitForLines(static_cast<int>(index) + 1, waitMs);
    return m_nameServer->ReceivedLines().mid(index);
}
