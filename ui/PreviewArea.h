#pragma once
// The area below the pages: every glyph in its frame at a zoom of 1x to 8x, scrolled when the
// glyphs do not fit. The layout keeps the window's client coordinates of an unscrolled 1x
// preview, so a point maps to the same glyph at every zoom and scroll position; only the part
// that can be seen is rendered.

#include <cstdint>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "font/Palette.h"
#include "generate/PreviewLayout.h"

class QScrollBar;
class TMtkFont;

class TPreviewArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 8;

    explicit TPreviewArea(QWidget* parent);

    // Lays glyphs 0..Count-1 of Font out for the area's width and zoom, and renders what can be
    // seen. Font must stay valid until the next call. The first row starts 8 pixels below
    // SplitterBottom, the area's top edge being its top at 1x. The Marked glyphs (sorted codes)
    // get frames of their own colour.
    void ShowGlyphs(const TMtkFont& font, int count, TPaletteKind palette, int splitterBottom,
                    std::vector<int32_t> marked = {});
    const TPreviewLayout& Layout() const { return FLayout; }
    // The part of the preview kept for painting; pixel (0, 0) is layout point (0, BandTop()).
    const QImage& Band() const { return FBand; }
    int BandTop() const { return FBandTop; }
    // The layout's y of the area's top edge, unscrolled.
    int LayoutTop() const { return FLayoutTop; }

    // Shown in place of glyphs while there are none, such as how to get some.
    void SetPlaceholder(const QString& text);
    const QString& Placeholder() const { return FPlaceholder; }

    // Back to the first row, for glyphs that are new to the user.
    void ScrollToStart();

    int Zoom() const { return FZoom; }
    // The glyph at the top-left corner stays in view.
    void SetZoom(int zoom);

    // The layout point under a point of this area, and back.
    QPoint ToLayout(QPoint local) const;
    QPoint FromLayout(QPoint layoutPoint) const;
    QScrollBar* VerticalScrollBar() const { return FVertical; }

signals:
    // The pointer moved, or the glyphs moved under it; the point is in layout coordinates.
    void Hovered(QPoint layoutPoint);
    // The pointer left the area, or the glyphs were laid out again while it was elsewhere.
    void HoverLeft();
    // Double-click on a glyph, or Enter with the pointer on one.
    void GlyphActivated(int index);
    void ZoomChanged(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ZoomAround(int zoom, QPoint anchor);
    void ZoomBy(int steps, QPoint anchor);
    // Lays out again for the current width and zoom; the scroll bars follow.
    void Relayout();
    void LayOutAtWidth(int viewWidth);
    QSize ViewportSize() const;
    void PlaceScrollBars();
    void Scrolled();
    // Hovered for the pointer's place when it is on the area, else HoverLeft.
    void ReportHover();
    // Renders the band again unless it covers what can be seen.
    void UpdateBand(bool force);

    QScrollBar* FVertical = nullptr;
    QScrollBar* FHorizontal = nullptr;
    const TMtkFont* FFont = nullptr;
    int FCount = 0;
    std::vector<int32_t> FMarked;
    TPaletteKind FPalette = TPaletteKind::FourColor;
    int FSplitterOffset = 0; // splitter bottom below the area's top edge
    int FZoom = 1;
    int FWheelZoom = 0;      // wheel turn towards the next zoom step, in eighths of a degree
    TPreviewLayout FLayout;
    int FLayoutTop = 0;
    int FLayoutWidth = 0;    // the row limit plus the right margin, in layout pixels
    QSize FContentSize;      // in layout pixels, margins included
    QImage FBand;
    QImage FScreenBand;      // the band converted once for fast painting
    int FBandTop = 0;
    QPoint FMouse{-1, -1};
    QString FPlaceholder;
};
