#include "console/classroom/classroompainter.h"

#include "common/core/ansi.h"
#include "console/classroom/statusicons.h"

#include <QFontMetrics>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Brivane {

using namespace ClassroomLayout;
using Quillon::TStudent;

namespace {

constexpr int kDotsPerMeter96Dpi = 3780;

// Text drawn with its box's top-left corner at (x, y), the box filled with the canvas's white
// background as a bitmap canvas does.
void TextOut(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

void DrawIcon(QPainter& painter, int x, int y, int status)
{
    painter.drawImage(x, y, StatusIconImage(status));
}

QColor NameColor(const TStudent& student)
{
    return student.FStatus != Quillon::ssOffline ? QColor(255, 0, 0) : QColor(0, 0, 0);
}

} // namespace

int ClassroomColumns(int panelWidth)
{
    const int columns = (panelWidth - LeftMargin) / ColumnPitch;
    return columns < 1 ? 1 : columns;
}

void GetStatusIcon(int status, QImage& bitmap)
{
    bitmap = StatusIconImage(status);
}

TClassroomPainter::TClassroomPainter()
{
    SetSize(0, 0);
}

void TClassroomPainter::SetSize(int width, int height)
{
    m_picture = QImage(width, height, QImage::Format_RGB32);
    m_picture.setDotsPerMeterX(kDotsPerMeter96Dpi);
    m_picture.setDotsPerMeterY(kDotsPerMeter96Dpi);
    m_picture.fill(Qt::white);
}

QFont TClassroomPainter::PictureFont()
{
    QFont font(u"DejaVu Sans"_s);
    font.setPointSize(FontPointSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void TClassroomPainter::Draw(int panelWidth, const TStudent& teacher, const QByteArray& course,
                             const Quillon::TStudentList& roster)
{
    ++m_drawCount;
    if (m_picture.isNull())
        return;
    const int columns = ClassroomColumns(panelWidth);

    QPainter painter(&m_picture);
    painter.fillRect(m_picture.rect(), Qt::white);
    painter.setFont(PictureFont());
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setPen(m_textColor);

    DrawIcon(painter, panelWidth / 2 - IconSize / 2, TeacherIconY, teacher.FStatus);
    const QString label = Quillon::Ansi::ToDisplay(teacher.FullName() + '(' + course + ')');
    TextOut(painter, panelWidth / 2 - painter.fontMetrics().horizontalAdvance(label) / 2, TeacherLabelY,
            label);

    // Only students with a pixel inside the picture are drawn: rows grow downwards, so the first
    // row below the picture ends the loop, and a student right of it is drawn only when its name
    // reaches back in. What is kept for the next drawing is the last name's colour all the same.
    const QRect pictureRect = m_picture.rect();
    const QFontMetrics metrics = painter.fontMetrics();
    int i = 0;
    for (const auto& student : roster) {
        const int x = (i % columns) * ColumnPitch + LeftMargin;
        const int y = (i / columns) * RowPitch + FirstRowY;
        if (y >= pictureRect.height())
            break;
        ++i;
        const QString name = Quillon::Ansi::ToDisplay(student->FullName());
        const int nameWidth = metrics.horizontalAdvance(name);
        const int nameX = x + IconSize / 2 - nameWidth / 2;
        const QRect iconBox(x, y, IconSize, IconSize);
        // A few pixels round the name's box hold its overhang and opaque background.
        const QRect nameBox =
            QRect(nameX, y + LabelBelowIcon, nameWidth, metrics.height()).adjusted(-4, -4, 4, 4);
        if (!iconBox.intersects(pictureRect) && !nameBox.intersects(pictureRect))
            continue;
        painter.setPen(NameColor(*student));
        DrawIcon(painter, x, y, student->FStatus);
        TextOut(painter, nameX, y + LabelBelowIcon, name);
    }
    if (roster.Count() > 0)
        m_textColor = NameColor(*roster.Items(roster.Count() - 1));
}

} // namespace Brivane
