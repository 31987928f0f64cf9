#include "mainform.h"

namespace Brivane {

void TForm_Main::Timer2Timer()
{
}

void TForm_Main::ShowLastSender(const QByteArray&, const QByteArray&)
{
}

void TForm_Main::SendToClass(const QByteArray& line)
{
    TCPClient_QuillonServer.WriteLn(line);
}

} // namespace Brivane
