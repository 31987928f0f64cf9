#include "console/push/pushedcontent.h"

#include "common/core/ansi.h"
#include "common/core/readabletext.h"
#include "common/platform/shellopen.h"
#include "console/link/classcontext.h"
#include "console/push/pushedaddress.h"

#include <utility>

namespace Brivane {

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype ShownAddressLength = 60;

} // namespace

QString RefusedAddressText(const QString& address)
{
    return u"Pushed address not opened: "_s + Quillon::Readable(address, ShownAddressLength, 1);
}

TPushedContentOpener::TPushedContentOpener(TClassContext& context, Quillon::TShellOpen& shell,
                                           TShowMainPage showMainPage)
    : m_class(context), m_shell(shell), m_showMainPage(std::move(showMainPage))
{
}

void TPushedContentOpener::OpenPushedContent(const CommServer::TSender& sender, QByteArray& rest)
{
    m_class.MarkOnline(sender.first, sender.last);
    const CommServer::TPushedContent content = CommServer::ReadPush(rest);
    const QString mainPage = Quillon::Ansi::ToDisplay(content.mainPage);
    const QString audio = Quillon::Ansi::ToDisplay(content.audio);
    const QString video = Quillon::Ansi::ToDisplay(content.video);

    const std::pair<const QString&, int> media[] = {{audio, SW_MINIMIZE}, {video, SW_SHOW}};
    for (const auto& [address, showCommand] : media) {
        if (address.isEmpty())
            continue;
        if (MayOpenPushed(address, TPushedKind::Media))
            m_shell.Open(address, showCommand);
        else
            Refuse(address);
    }
    if (mainPage.isEmpty() || MayOpenPushed(mainPage, TPushedKind::MainPage))
        m_showMainPage(mainPage);
    else
        Refuse(mainPage);
}

void TPushedContentOpener::Refuse(const QString& address)
{
    m_class.ShowStatus(1, RefusedAddressText(address));
}

} // namespace Brivane
