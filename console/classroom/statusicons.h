#pragma once

#include <QImage>
#include <QString>

namespace Brivane {

// The resource path of the SVG for a status (0 absent, 1..6 the expressions, 7 asleep); empty
// outside 0..7. The expression buttons (tags 1..6) show the same pictures.
QString StatusIconResource(int status);

// The status icon as the classroom picture shows it: 32 × 32, opaque, on white. A status outside
// 0..7 gives the white square alone. Rendered once per run; the reference stays valid for the run.
const QImage& StatusIconImage(int status);

// The glyph of the expression button with this tag (1..6), size × size on a transparent
// background; null outside 1..6.
QImage ExpressionGlyphImage(int tag, int size = 32);

} // namespace Brivane
