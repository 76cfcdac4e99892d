#include "ui/PreviewArea.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

#include "font/MtkFont.h"
#include "font/Workers.h"

namespace {

constexpr int WheelStep = 120; // one notch of a mouse wheel

int FloorDiv(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

int CeilDiv(int value, int divisor)
{
    return -FloorDiv(-value, divisor);
}

} // namespace

TPreviewArea::TPreviewArea(QWidget* parent)
    : QWidget(parent)
    , FVertical(new QScrollBar(Qt::Vertical, this))
    , FHorizontal(new QScrollBar(Qt::Horizontal, this))
{
    // Glyphs run in code order, as on the phone, in right-to-left languages too.
    setLayoutDirection(Qt::LeftToRight);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    for (QScrollBar* bar : {FVertical, FHorizontal}) {
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &TPreviewArea::Scrolled);
    }
    const auto addShortcut = [this](const QKeySequence& keys, auto action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    addShortcut(QKeySequence::ZoomIn, [this] { ZoomBy(1, {}); });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { ZoomBy(1, {}); });
    addShortcut(QKeySequence::ZoomOut, [this] { ZoomBy(-1, {}); });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { SetZoom(MinZoom); });
}

void TPreviewArea::ShowGlyphs(const TMtkFont& font, int count, TPaletteKind palette, int splitterBottom,
                              std::vector<int32_t> marked)
{
    FFont = &font;
    FCount = count;
    FMarked = std::move(marked);
    FPalette = palette;
    FSplitterOffset = splitterBottom - y();
    Relayout();
}

void TPreviewArea::SetPlaceholder(const QString& text)
{
    FPlaceholder = text;
    update();
}

void TPreviewArea::ScrollToStart()
{
    FVertical->setValue(0);
    FHorizontal->setValue(0);
}

void TPreviewArea::SetZoom(int zoom)
{
    ZoomAround(zoom, {});
}

void TPreviewArea::ZoomBy(int steps, QPoint anchor)
{
    ZoomAround(FZoom + steps, anchor);
}

void TPreviewArea::ZoomAround(int zoom, QPoint anchor)
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == FZoom)
        return;
    // The glyph at the anchor, or the first one below it, keeps its place on the screen.
    const QPoint point = ToLayout(anchor);
    const std::vector<TGlyphRect>& rects = FLayout.GlyphRects();
    int glyph = FLayout.GlyphAtPoint(point.x(), point.y());
    if (glyph < 0) {
        const auto below =
            std::find_if(rects.begin(), rects.end(), [&](const TGlyphRect& r) { return r.Bottom >= point.y(); });
        glyph = below == rects.end() ? -1 : static_cast<int>(below - rects.begin());
    }
    const auto corner = [this](int index) {
        const TGlyphRect& r = FLayout.GlyphRects()[static_cast<size_t>(index)];
        return FromLayout({r.Left, r.Top});
    };
    const QPoint before = glyph >= 0 ? corner(glyph) : QPoint();
    FZoom = zoom;
    Relayout();
    if (glyph >= 0 && glyph < static_cast<int>(FLayout.GlyphRects().size())) {
        const QPoint moved = corner(glyph) - before;
        FHorizontal->setValue(FHorizontal->value() + moved.x());
        FVertical->setValue(FVertical->value() + moved.y());
    }
    emit ZoomChanged(FZoom);
}

QPoint TPreviewArea::ToLayout(QPoint local) const
{
    return {FloorDiv(local.x() + FHorizontal->value(), FZoom),
            FLayoutTop + FloorDiv(local.y() + FVertical->value(), FZoom)};
}

QPoint TPreviewArea::FromLayout(QPoint layoutPoint) const
{
    return {layoutPoint.x() * FZoom - FHorizontal->value(),
            (layoutPoint.y() - FLayoutTop) * FZoom - FVertical->value()};
}

QSize TPreviewArea::ViewportSize() const
{
    return {width() - (FVertical->isHidden() ? 0 : FVertical->sizeHint().width()),
            height() - (FHorizontal->isHidden() ? 0 : FHorizontal->sizeHint().height())};
}

void TPreviewArea::LayOutAtWidth(int viewWidth)
{
    FLayoutTop = y();
    FLayoutWidth = std::max(viewWidth / FZoom, 0);
    FLayout = TPreviewLayout(*FFont, FCount, FLayoutWidth, FLayoutTop + FSplitterOffset, AvailableCores());
    int right = 0;
    for (const TGlyphRect& rect : FLayout.GlyphRects())
        right = std::max(right, rect.Right);
    // The margins of a 1x preview: a frame's right column and bottom row lie one pixel inside its rectangle.
    FContentSize = QSize(std::max(FLayoutWidth, right + PreviewMargin - 1),
                         std::max(FLayout.ContentBottom() + PreviewMargin - 1 - FLayoutTop, 0));
}

void TPreviewArea::Relayout()
{
    if (!FFont)
        return;
    const int barWidth = FVertical->sizeHint().width();
    const int barHeight = FHorizontal->sizeHint().height();
    // Rows wrap at the width left of the vertical bar, which shows only when they do not fit.
    // Narrower rows are never fewer, so the bar's last state is tried first: mostly it stays.
    const auto tallAt = [&](int viewWidth) {
        LayOutAtWidth(viewWidth);
        const bool wide = FContentSize.width() * FZoom > viewWidth;
        return FContentSize.height() * FZoom > height() - (wide ? barHeight : 0);
    };
    bool tall = true;
    if (FVertical->isHidden() || !tallAt(width() - barWidth)) {
        tall = tallAt(width());
        if (tall)
            LayOutAtWidth(width() - barWidth);
    }
    const int viewWidth = width() - (tall ? barWidth : 0);
    const bool wide = FContentSize.width() * FZoom > viewWidth;
    const QSignalBlocker verticalBlocker(FVertical);
    const QSignalBlocker horizontalBlocker(FHorizontal);
    FVertical->setVisible(tall);
    FHorizontal->setVisible(wide);
    PlaceScrollBars();
    UpdateBand(true);
    // The glyph under the pointer may be another one now, or as wide as it was no longer.
    ReportHover();
}

void TPreviewArea::ReportHover()
{
    if (rect().contains(FMouse))
        emit Hovered(ToLayout(FMouse));
    else
        emit HoverLeft();
}

void TPreviewArea::PlaceScrollBars()
{
    const QSize view = ViewportSize();
    FVertical->setGeometry(view.width(), 0, width() - view.width(), view.height());
    FHorizontal->setGeometry(0, view.height(), view.width(), height() - view.height());
    const std::vector<TGlyphRect>& rects = FLayout.GlyphRects();
    const int rowHeight = rects.empty() ? 1 : std::max(rects[0].Bottom - rects[0].Top, 1);
    FVertical->setRange(0, std::max(FContentSize.height() * FZoom - view.height(), 0));
    FVertical->setPageStep(std::max(view.height() - rowHeight * FZoom, 1));
    FVertical->setSingleStep(rowHeight * FZoom);
    FHorizontal->setRange(0, std::max(FContentSize.width() * FZoom - view.width(), 0));
    FHorizontal->setPageStep(std::max(view.width(), 1));
    FHorizontal->setSingleStep(PreviewMargin * FZoom);
}

void TPreviewArea::UpdateBand(bool force)
{
    const QSize view = ViewportSize();
    const int top = FLayoutTop + FloorDiv(FVertical->value(), FZoom);
    const int bottom = FLayoutTop + CeilDiv(FVertical->value() + view.height(), FZoom);
    if (!force && (FBand.isNull() || (top >= FBandTop && bottom <= FBandTop + FBand.height())))
        return;
    // As tall as the screen, so that scrolling or a taller window mostly needs no new rendering.
    int height = bottom - top;
    if (const QScreen* display = screen())
        height = std::max(height, display->geometry().height() / FZoom);
    FBand = RenderPreview(*FFont, FLayout, FPalette, {0, top, FContentSize.width(), height}, FMarked, AvailableCores());
    FBandTop = top;
    FScreenBand = FBand.isNull() ? QImage() : FBand.convertToFormat(QImage::Format_RGB32);
    update();
}

void TPreviewArea::Scrolled()
{
    if (FFont)
        UpdateBand(false);
    update();
    if (rect().contains(FMouse))
        emit Hovered(ToLayout(FMouse));
}

void TPreviewArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!FFont)
        return;
    // Anything that moves the rows or the bars lays out again; a taller or shorter area alone does not.
    const int barWidth = FVertical->sizeHint().width();
    const int viewHeight = height() - (FHorizontal->isHidden() ? 0 : FHorizontal->sizeHint().height());
    const bool tall = FContentSize.height() * FZoom > viewHeight;
    const int viewWidth = width() - (tall ? barWidth : 0);
    const bool wide = FContentSize.width() * FZoom > viewWidth;
    if (tall == FVertical->isHidden() || wide == FHorizontal->isHidden() || viewWidth / FZoom != FLayoutWidth) {
        Relayout();
        return;
    }
    PlaceScrollBars();
    UpdateBand(false);
}

void TPreviewArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (FScreenBand.isNull()) {
        constexpr int Margin = 8;
        painter.drawText(rect().adjusted(Margin, Margin, -Margin, -Margin), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         FPlaceholder);
        return;
    }
    const QRect exposed = event->rect() & QRect(QPoint(0, 0), ViewportSize());
    const QPoint origin = FromLayout({0, FBandTop});
    const QRect band(origin, FScreenBand.size() * FZoom);
    // Past the band's edge, a strip narrower than one zoomed pixel: the preview's background.
    const QRegion uncovered = QRegion(exposed).subtracted(band);
    for (const QRect& part : uncovered)
        painter.fillRect(part, FBand.color(PreviewBackgroundIndex(FPalette)));
    const QRect target = exposed & band;
    if (target.isEmpty())
        return;
    const QPoint first((target.left() - origin.x()) / FZoom, (target.top() - origin.y()) / FZoom);
    const QPoint last((target.right() - origin.x()) / FZoom, (target.bottom() - origin.y()) / FZoom);
    const QRect source(first, last);
    painter.setClipRect(target);
    painter.drawImage(QRect(origin + first * FZoom, source.size() * FZoom), FScreenBand, source);
}

void TPreviewArea::mouseMoveEvent(QMouseEvent* event)
{
    FMouse = event->position().toPoint();
    emit Hovered(ToLayout(FMouse));
}

void TPreviewArea::leaveEvent(QEvent* event)
{
    FMouse = QPoint(-1, -1);
    emit HoverLeft();
    QWidget::leaveEvent(event);
}

void TPreviewArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = ToLayout(event->position().toPoint());
    if (const int index = FLayout.GlyphAtPoint(point.x(), point.y()); index >= 0)
        emit GlyphActivated(index);
}

void TPreviewArea::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        // Fine-grained wheels turn a little at a time; a zoom step takes one notch.
        FWheelZoom += event->angleDelta().y();
        const int steps = FWheelZoom / WheelStep;
        FWheelZoom -= steps * WheelStep;
        if (steps != 0)
            ZoomBy(steps, event->position().toPoint());
        event->accept();
        return;
    }
    const bool sideways = std::abs(event->angleDelta().x()) > std::abs(event->angleDelta().y());
    QApplication::sendEvent(sideways ? FHorizontal : FVertical, event);
}

void TPreviewArea::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp: FVertical->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: FVertical->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Home: FVertical->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Qt::Key_End: FVertical->triggerAction(QAbstractSlider::SliderToMaximum); break;
    case Qt::Key_Up: FVertical->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: FVertical->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_Left: FHorizontal->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Right: FHorizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const QPoint point = ToLayout(FMouse);
        const int index = rect().contains(FMouse) ? FLayout.GlyphAtPoint(point.x(), point.y()) : -1;
        if (index >= 0)
            emit GlyphActivated(index);
        break;
    }
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}
