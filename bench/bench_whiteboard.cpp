// The whiteboard's Send payload and Back replay for 100 to 10 000 actions, each beside its floor: the
// same bytes written from plain numbers without our records, and the same QPainter calls on the
// same bitmap without our records and canvas.
#include "bench/benchapplication.h"
#include "common/core/wire.h"
#include "console/whiteboard/boardcanvas.h"
#include "console/whiteboard/drawaction.h"

#include <QFontMetrics>
#include <QPainter>

#include "bench/benchtable.h"

#include <array>

using namespace Brivane;

namespace {

// Text needs a running application with fonts.
void EnsureGuiApplication()
{
    BenchApplication();
}

// Mostly shapes of every kind, styles and widths varying, a text every tenth action.
TDrawActionList Drawing(std::int64_t count)
{
    TDrawActionList actions;
    for (int i = 0; i < count; ++i) {
        auto action = std::make_unique<TDrawAction>();
        action->X1 = (i * 37) % 264;
        action->Y1 = (i * 53) % 265;
        if (i % 10 == 9) {
            action->Kind = dtText;
            action->Text = "Note " + QByteArray::number(i);
        } else {
            action->Kind = i % 4;
            action->X2 = (i * 91 + 17) % 264 - 20;
            action->Y2 = (i * 29 + 5) % 265;
            action->PenStyle = (i % 3 == 0) ? psDot : psSolid;
            action->PenWidth = 1 + i % 4;
            action->BrushStyle = (i % 5 == 0) ? bsClear : (i % 7 == 0 ? bsDiagCross : bsSolid);
            action->BrushColor = clWhite;
        }
        actions.push_back(std::move(action));
    }
    return actions;
}

// The same drawing as rows of plain numbers, for the floors.
struct TPlain
{
    std::array<std::int32_t, 10>
        fields; // Kind, X1, Y1, X2, Y2, PenStyle, PenColor, PenWidth, BrushStyle, BrushColor
    QByteArray text;
};
std::vector<TPlain> Plain(const TDrawActionList& actions)
{
    std::vector<TPlain> rows;
    for (const auto& a : actions)
        rows.push_back({{a->Kind, a->X1, a->Y1, a->X2, a->Y2, a->PenStyle, a->PenColor, a->PenWidth,
                         a->BrushStyle, a->BrushColor},
                        a->Text});
    return rows;
}

void SendPayload(benchmark::State& state)
{
    const TDrawActionList actions = Drawing(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawingPayloadLine(actions));
}

// Floor: the same line joined from the same field strings, made beforehand.
void PlainPayload(benchmark::State& state)
{
    const TDrawActionList actions = Drawing(state.range(0));
    QList<QByteArray> fields{"3"};
    for (const TPlain& row : Plain(actions)) {
        const int count = row.fields[0] == dtText ? 3 : 10;
        for (int f = 0; f < count; ++f)
            fields << QByteArray::number(row.fields[f]);
        if (count == 3)
            fields << row.text;
    }
    const auto join = [&fields] {
        QByteArray line;
        line.reserve(8 + qsizetype(fields.size()) * 6);
        line.append(Quillon::PacketHeader);
        for (const QByteArray& field : fields)
            line.append(Quillon::FieldSeparator).append(field);
        return line;
    };
    if (join() != DrawingPayloadLine(actions))
        state.SkipWithError("the floor does not build the same line");
    for (auto _ : state)
        benchmark::DoNotOptimize(join());
}

void BackReplay(benchmark::State& state)
{
    EnsureGuiApplication();
    const TDrawActionList actions = Drawing(state.range(0));
    TBoardCanvas canvas(264, 265);
    for (auto _ : state) {
        canvas.Blank(264, 265);
        {
            TBoardCanvas::TBatch batch(canvas);
            for (const auto& action : actions)
                action->Paint(canvas);
        }
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}

// Floor: one painter on a blank bitmap making the same calls for the same figures.
void PlainReplay(benchmark::State& state)
{
    EnsureGuiApplication();
    const std::vector<TPlain> rows = Plain(Drawing(state.range(0)));
    QFont font;
    font.setStyleStrategy(QFont::NoAntialias);
    for (auto _ : state) {
        QImage image(264, 265, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            for (const TPlain& row : rows) {
                const auto& v = row.fields;
                painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                           QPainter::SmoothPixmapTransform,
                                       false);
                painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
                if (v[0] == dtText) {
                    painter.setFont(font);
                    const QString text = QString::fromLatin1(row.text);
                    const QFontMetrics metrics(font, &image);
                    painter.fillRect(QRect(v[1], v[2], metrics.horizontalAdvance(text), metrics.height()),
                                     QColor(255, 255, 255));
                    painter.setPen(QPen(Qt::black));
                    painter.drawText(v[1], v[2] + metrics.ascent(), text);
                    continue;
                }
                const int width = v[7];
                painter.setPen(QPen(QColor(0, 0, 0), width, v[5] == psDot ? Qt::DotLine : Qt::SolidLine,
                                    width > 1 ? Qt::RoundCap : Qt::SquareCap,
                                    width > 1 ? Qt::RoundJoin : Qt::MiterJoin));
                painter.setBrush(QBrush(QColor(255, 255, 255), v[8] == bsClear       ? Qt::NoBrush
                                                               : v[8] == bsDiagCross ? Qt::DiagCrossPattern
                                                                                     : Qt::SolidPattern));
                painter.setBackgroundMode(Qt::TransparentMode);
                const QRect spanned(qMin(v[1], v[3]), qMin(v[2], v[4]), qAbs(v[3] - v[1]), qAbs(v[4] - v[2]));
                switch (v[0]) {
                case dtLine:
                    painter.drawLine(v[1], v[2], v[3], v[4]);
                    break;
                case dtRectangle:
                    painter.drawRect(spanned);
                    break;
                case dtEllipse:
                    painter.drawEllipse(spanned);
                    break;
                default:
                    painter.drawRoundedRect(spanned, qAbs((v[1] - v[3]) / 2) / 2.0,
                                            qAbs((v[2] - v[4]) / 2) / 2.0, Qt::AbsoluteSize);
                    break;
                }
            }
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}

const bool registered = [] {
    using QuillonBench::RegisterRow;
    RegisterRow("whiteboard Send payload (actions)", 1.5, {100, 1000, 10000}, SendPayload, PlainPayload,
                {benchmark::kMicrosecond});
    RegisterRow("whiteboard Back replay (actions)", 1.5, {100, 1000, 10000}, BackReplay, PlainReplay);
    return true;
}();

} // namespace
