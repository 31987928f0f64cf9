// Hand-over points of features the console does not have yet (whiteboard, content push and the
// push-permission lists). They keep the calls of the other features in place.
#include "mainform.h"

#include "wire.h"

namespace Brivane {

void TForm_Main::BlankBoard() {}

void TForm_Main::NavigateToAddress() {}

void TForm_Main::OpenPushedContent(const QByteArray& first, const QByteArray& last, QByteArray&)
{
    MarkOnline(first, last);
}

void TForm_Main::RemoveFromPushList(const QByteArray&) {}

} // namespace Brivane
