#pragma once

#include "common/platform/mailtransport.h"

namespace Quillon {

// SMTP through libcurl: one easy handle per connection, so every message of a run goes over the
// connection that Connect opened; the MIME of a letter with an attachment is libcurl's.
class TCurlMailTransport final : public TMailTransport
{
public:
    TCurlMailTransport();
    std::unique_ptr<TMailConnection> Connect(const QByteArray& host, int port) override;
};

} // namespace Quillon
