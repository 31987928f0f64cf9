#pragma once

#include <QIcon>
#include <QString>

namespace Brivane {

// The glyph of a whiteboard tool button, drawn from its SVG resource ("line", "dotpen", ...);
// a null icon for a name without one.
QIcon ToolGlyph(const QString& name);

} // namespace Brivane
