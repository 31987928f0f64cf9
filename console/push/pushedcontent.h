#pragma once

#include "console/protocol/commserverprotocol.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace Quillon {
class TShellOpen;
}

namespace Brivane {

class TClassContext;

// Show commands handed to the desktop's opener.
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;

// Course material pushed by a member of the class (inbound code 1): the sender is marked present,
// the audio address is opened minimized, the video address shown, and the main page goes to the
// embedded browser, also when it is empty. An address that may not be opened from a push is
// neither opened nor navigated to; status panel 1 names it.
class TPushedContentOpener
{
public:
    using TShowMainPage = std::function<void(const QString& address)>;

    TPushedContentOpener(TClassContext& context, Quillon::TShellOpen& shell, TShowMainPage showMainPage);

    void OpenPushedContent(const CommServer::TSender& sender, QByteArray& rest);

private:
    void Refuse(const QString& address);

    TClassContext& m_class;
    Quillon::TShellOpen& m_shell;
    TShowMainPage m_showMainPage;
};

// The status text for a refused address, the address cut to a readable length.
QString RefusedAddressText(const QString& address);

} // namespace Brivane
