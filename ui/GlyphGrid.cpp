#include "ui/GlyphGrid.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

#include "font/GlyphBitmap.h"

namespace {

constexpr int Border = 1; // a frame around the glyph, in the preview's frame colour

} // namespace

TGlyphGrid::TGlyphGrid(QWidget* parent) : QWidget(parent)
{
    // The glyph as the phone draws it, in right-to-left languages too.
    setLayoutDirection(Qt::LeftToRight);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::CrossCursor);
}

void TGlyphGrid::SetGlyph(const TGlyphBitmap* glyph, int cellSize)
{
    FGlyph = glyph;
    FCellSize = std::max(cellSize, 1);
    const QSize cells = glyph ? QSize(glyph->Width(), glyph->Height()) : QSize();
    setFixedSize(cells * FCellSize + QSize(2 * Border, 2 * Border));
    update();
}

QPoint TGlyphGrid::CellAt(QPoint point) const
{
    const QPoint inside = point - QPoint(Border, Border);
    // Rounded towards minus infinity, so that a point left of or above the glyph stays outside.
    const auto cell = [this](int value) { return value >= 0 ? value / FCellSize : -1; };
    return {cell(inside.x()), cell(inside.y())};
}

QPoint TGlyphGrid::CellCentre(QPoint cell) const
{
    return QPoint(Border, Border) + cell * FCellSize + QPoint(FCellSize / 2, FCellSize / 2);
}

void TGlyphGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const TPalette palette = CreatePalette(FGlyph ? FGlyph->PaletteKind() : TPaletteKind::FourColor);
    painter.fillRect(rect(), QColor::fromRgb(palette.Argb[BorderIndex]));
    if (!FGlyph)
        return;
    for (int y = 0; y < FGlyph->Height(); ++y)
        for (int x = 0; x < FGlyph->Width(); ++x)
            painter.fillRect(Border + x * FCellSize, Border + y * FCellSize, FCellSize, FCellSize,
                             QColor::fromRgb(palette.Argb[FGlyph->Pixel(x, y)]));
    // Grid lines only where the cells are big enough to keep their colour visible.
    if (FCellSize < 5)
        return;
    painter.setPen(QColor(64, 64, 64, 96));
    for (int x = 1; x < FGlyph->Width(); ++x)
        painter.drawLine(Border + x * FCellSize, Border, Border + x * FCellSize, height() - Border - 1);
    for (int y = 1; y < FGlyph->Height(); ++y)
        painter.drawLine(Border, Border + y * FCellSize, width() - Border - 1, Border + y * FCellSize);
}

void TGlyphGrid::mousePressEvent(QMouseEvent* event)
{
    if (FStrokeButton != Qt::NoButton || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton))
        return;
    FStrokeButton = event->button();
    emit StrokeStarted(FStrokeButton, CellAt(event->position().toPoint()));
}

void TGlyphGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (FStrokeButton != Qt::NoButton)
        emit StrokeMoved(CellAt(event->position().toPoint()));
}

void TGlyphGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != FStrokeButton)
        return;
    FStrokeButton = Qt::NoButton;
    emit StrokeEnded();
}
