#include "mainform.h"

namespace Brivane {

void TForm_Main::ShowChatMessage(int, const QByteArray&, const QByteArray&, QByteArray&)
{
}

void TForm_Main::ShowPrivateMessage(const QByteArray&, const QByteArray&, QByteArray&)
{
}

} // namespace Brivane
