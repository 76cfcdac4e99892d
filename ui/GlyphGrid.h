#pragma once
// The editor's picture of one glyph: each pixel a square cell in its palette colour, with grid
// lines between the cells. Mouse strokes are reported in cell coordinates.

#include <QPoint>
#include <QWidget>

#include "font/Palette.h"

class TGlyphBitmap;

class TGlyphGrid : public QWidget {
    Q_OBJECT
public:
    explicit TGlyphGrid(QWidget* parent);

    // Glyph must stay valid while shown; none shows an empty grid.
    void SetGlyph(const TGlyphBitmap* glyph, int cellSize);
    int CellSize() const { return FCellSize; }
    // The cell under a point of the widget; outside the glyph when the point is.
    QPoint CellAt(QPoint point) const;
    // The centre of a cell, for driving the grid as a mouse would.
    QPoint CellCentre(QPoint cell) const;

signals:
    void StrokeStarted(Qt::MouseButton button, QPoint cell);
    void StrokeMoved(QPoint cell);
    void StrokeEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TGlyphBitmap* FGlyph = nullptr;
    int FCellSize = 1;
    Qt::MouseButton FStrokeButton = Qt::NoButton;
};
