#include "console/push/pushedaddress.h"

#include <QUrl>

namespace Brivane {

using namespace Qt::StringLiterals;

namespace {

bool HoldsBlankOrControl(const QString& address)
{
    for (QChar c : address) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return true;
    }
    return false;
}

bool IsAllowedScheme(const QString& scheme, TPushedKind kind)
{
    if (scheme == u"http"_s || scheme == u"https"_s)
        return true;
    return kind == TPushedKind::Media && (scheme == u"rtsp"_s || scheme == u"rtmp"_s || scheme == u"mms"_s);
}

} // namespace

bool MayOpenPushed(const QString& address, TPushedKind kind)
{
    if (address.isEmpty() || HoldsBlankOrControl(address))
        return false;
    const QUrl url(address, QUrl::StrictMode);
    // QUrl gives the scheme in lower case.
    return url.isValid() && IsAllowedScheme(url.scheme(), kind) && !url.host().isEmpty();
}

} // namespace Brivane
