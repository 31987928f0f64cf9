// The development server's line handlers: each input is a sequence of lines from one client,
// fed to a name-server session and to a communication-server session as a connection would.
// The sessions answer into a socket that is not connected, so what they send is dropped.
#include "fuzz/fuzzsupport.h"

#include "devserver/classdata.h"
#include "devserver/commsession.h"
#include "devserver/linepeer.h"
#include "devserver/logger.h"
#include "devserver/nameserversession.h"
#include "devserver/servercontext.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <memory>

using namespace Quillon;
using namespace Quillon::DevServer;

namespace {

ServerContext* Context = nullptr;

template <class Session> void Feed(const QList<QByteArray>& lines)
{
    QObject owner;
    auto* peer = new LinePeer(new QTcpSocket, QStringLiteral("fuzz"), Context->log);
    auto* session = new Session(peer, *Context, &owner);
    const QPointer<LinePeer> alive(peer);
    session->Start();
    for (const QByteArray& line : lines) {
        if (!alive || alive->Closing())
            break;
        Q_EMIT alive->LineReceived(line);
    }
    // Sessions free themselves with deleteLater; run those before the next input.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::StartApplication<QCoreApplication>();
    static Logger log;
    static QTemporaryDir state;
    static ServerContext context{LoadClassData(QStringLiteral(QUILLON_DEVSERVER_DATA_DIR "/class.ini")),
                                 -1,
                                 GradeStore(state.path()),
                                 {},
                                 log,
                                 "127.0.0.1",
                                 0,
                                 {true, 1.0, 1}};
    Context = &context;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArray> lines = Fuzz::InputLines(Fuzz::Bytes(data, size));
    Context->signIns = SignInRegistry();
    Feed<NameServerSession>(lines);
    Feed<CommSession>(lines);
    return 0;
}
