#pragma once

#include <QString>

namespace Brivane {

// What a pushed address is opened as: the main page goes to the embedded browser, audio and video
// to the desktop's player.
enum class TPushedKind { MainPage, Media };

// Whether an address that came from the class may be opened on the teacher's desktop. A push is
// network input: only web addresses (and for audio and video the streaming schemes a media player
// takes) are opened, never a local file, a program or a scheme with some other local handler.
// The address must be absolute with a host, and hold no blank or control character anywhere.
bool MayOpenPushed(const QString& address, TPushedKind kind);

} // namespace Brivane
