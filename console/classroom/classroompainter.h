#pragma once

#include "common/core/studentlist.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>

namespace Brivane {

// Layout of the classroom picture, in pixels.
namespace ClassroomLayout {
inline constexpr int LeftMargin = 60;
inline constexpr int ColumnPitch = 120;
inline constexpr int FirstRowY = 120;
inline constexpr int RowPitch = 80;
inline constexpr int LabelBelowIcon = 40;
inline constexpr int TeacherIconY = 40;
inline constexpr int TeacherLabelY = 80;
inline constexpr int IconSize = 32;
inline constexpr int FontPointSize = 8;
} // namespace ClassroomLayout

// Students per row for a panel of this width: (width - 60) div 120, at least one.
int ClassroomColumns(int panelWidth);

// Replaces bitmap with a fresh 32 × 32 copy of the icon for this status (white for a status outside
// 0..7).
void GetStatusIcon(int status, QImage& bitmap);

// The classroom picture and its canvas. Every Draw repaints the picture whole; the only thing
// kept from one drawing to the next is the canvas's text colour, which the teacher's label is
// drawn in (black at first, afterwards the colour of the last name of the previous drawing).
class TClassroomPainter
{
public:
    TClassroomPainter();

    // A fresh white picture of this size (pixels at 96 dpi, so the font's point size is stable).
    void SetSize(int width, int height);
    const QImage& Picture() const { return m_picture; }

    // The columns follow the panel's width, not the picture's.
    void Draw(int panelWidth, const Quillon::TStudent& teacher, const QByteArray& course,
              const Quillon::TStudentList& roster);

    // How many times the picture has been drawn.
    int DrawCount() const { return m_drawCount; }
    // The colour the next teacher label is drawn in.
    QColor TextColor() const { return m_textColor; }

    // DejaVu Sans, 8 points, drawn without anti-aliasing so names show in their exact colour.
    static QFont PictureFont();

private:
    QImage m_picture;
    QColor m_textColor = Qt::black;
    int m_drawCount = 0;
};

} // namespace Brivane
