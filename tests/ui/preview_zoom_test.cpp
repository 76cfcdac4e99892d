#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTabWidget>

#include "UiTestSupport.h"
#include "font/Format.h"
#include "font/MtkFont.h"
#include "ui/PreviewArea.h"

namespace {

TPreviewArea* Area(TWindowFixture& f)
{
    return f.Find<TPreviewArea>("PreviewArea");
}

void HoverAt(TPreviewArea* area, QPoint local)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(local), area->mapToGlobal(QPointF(local)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(area, &event);
}

void Key(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

void CtrlWheel(TPreviewArea* area, int notches)
{
    const QPointF at(10, 10);
    QWheelEvent event(at, area->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area, &event);
}

} // namespace

TEST(PreviewZoom, HoverAtThreeTimesAndScrolledHitsTheGlyphTheLayoutNames)
{
    TWindowFixture f;
    TPreviewArea* area = Area(f);
    area->SetZoom(3);
    ASSERT_FALSE(area->VerticalScrollBar()->isHidden()); // 128 glyphs at 3x do not fit
    area->VerticalScrollBar()->setValue(area->VerticalScrollBar()->maximum() / 2 + 1);

    const QRect view = area->rect().adjusted(0, 0, -area->VerticalScrollBar()->width(), 0);
    const std::vector<TGlyphRect>& rects = f.Window->GlyphRects().GlyphRects();
    const auto visible = std::find_if(rects.begin(), rects.end(), [&](const TGlyphRect& r) {
        return view.contains(area->FromLayout({r.Left, r.Top})) && view.contains(area->FromLayout({r.Right, r.Bottom}));
    });
    ASSERT_NE(visible, rects.end());
    const int index = static_cast<int>(visible - rects.begin());
    const TGlyphBitmap& glyph = *f.Window->MtkFont().GetGlyph(index);
    // A point inside the glyph's second zoomed pixel, off its cell's corner.
    HoverAt(area, area->FromLayout({visible->Left + 2, visible->Top + 2}) + QPoint(1, 2));
    EXPECT_EQ(f.Window->StatusPanelText(1),
              QString::fromStdString(StrFormat("Character = %d (0x%.4X), Unicode = %d (0x%.4X), Width = %d", index,
                                               index, index, index, glyph.Width())));

    // What is painted there is that glyph, three screen pixels to one glyph pixel, in a 3-pixel frame.
    const QImage shown = area->grab().toImage();
    const QPoint corner = area->FromLayout({visible->Left, visible->Top});
    EXPECT_EQ(shown.pixel(corner + QPoint(2, 2)), qRgb(255, 0, 255));
    const TPalette colors = CreatePalette(glyph.PaletteKind());
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x)
            ASSERT_EQ(shown.pixel(area->FromLayout({visible->Left + 1 + x, visible->Top + 1 + y}) + QPoint(2, 2)),
                      colors.Argb[glyph.Pixel(x, y)])
                << x << "," << y;

    // Scrolling under a still pointer names the glyph that comes under it.
    area->VerticalScrollBar()->setValue(0);
    const QPoint first = area->FromLayout({rects[0].Left + 1, rects[0].Top + 1});
    HoverAt(area, first);
    EXPECT_TRUE(f.Window->StatusPanelText(1).startsWith(QStringLiteral("Character = 0 ")));
    area->VerticalScrollBar()->setValue(area->VerticalScrollBar()->maximum());
    const QPoint under = area->ToLayout(first);
    const int now = f.Window->GlyphRects().GlyphAtPoint(under.x(), under.y());
    ASSERT_GT(now, 0);
    EXPECT_TRUE(f.Window->StatusPanelText(1).startsWith(QStringLiteral("Character = %1 ").arg(now)));
}

TEST(PreviewZoom, KeysWheelAndBoxZoomAndScrollAndOneTimesIsTheLayoutOfBefore)
{
    TWindowFixture f;
    TPreviewArea* area = Area(f);
    auto* zoomBox = f.Find<QComboBox>("cmbZoom");
    const std::vector<TGlyphRect> before = f.Window->GlyphRects().GlyphRects();
    EXPECT_TRUE(area->VerticalScrollBar()->isHidden());

    CtrlWheel(area, 3);
    EXPECT_EQ(area->Zoom(), 4);
    EXPECT_EQ(zoomBox->currentText(), QStringLiteral("4x"));
    // Rows wrap at a quarter of the width left of the scroll bar.
    const int limit = (area->width() - area->VerticalScrollBar()->width()) / 4 - PreviewMargin;
    for (const TGlyphRect& rect : f.Window->GlyphRects().GlyphRects())
        EXPECT_TRUE(rect.Right - 1 <= limit || rect.Left == PreviewMargin - 1);

    QScrollBar* bar = area->VerticalScrollBar();
    Key(area, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    const TGlyphRect last = f.Window->GlyphRects().GlyphRects().back();
    EXPECT_LE(area->FromLayout({last.Right, last.Bottom}).y(), area->height());
    Key(area, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), bar->maximum() - bar->pageStep());
    Key(area, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);

    zoomBox->setCurrentIndex(7);
    emit zoomBox->activated(7);
    EXPECT_EQ(area->Zoom(), 8);
    CtrlWheel(area, -8);
    EXPECT_EQ(area->Zoom(), 1);
    EXPECT_EQ(zoomBox->currentText(), QStringLiteral("1x"));
    EXPECT_EQ(f.Window->GlyphRects().GlyphRects(), before);
    EXPECT_TRUE(bar->isHidden());
}

TEST(PreviewZoom, TheSampleTextTakesTheZoomAndKeepsItsWidthReadOut)
{
    TWindowFixture f;
    f.Find<QTabWidget>("pcMain")->setCurrentIndex(1);
    f.Find<QLineEdit>("edSampleText")->setText(QStringLiteral("AB"));
    auto* label = f.Find<QLabel>("lblSampleTextWinInfo");
    const QString info = label->text();
    const QImage one = f.Find<QLabel>("imgSampleText")->pixmap().toImage();

    Area(f)->SetZoom(2);
    EXPECT_EQ(label->text(), info);
    const QImage two = f.Find<QLabel>("imgSampleText")->pixmap().toImage();
    ASSERT_EQ(two.size(), one.size());
    const int drawn = f.Window->MtkFont().GetGlyph('A')->Width() + f.Window->MtkFont().GetGlyph('B')->Width();
    const int height = f.Window->MtkFont().GetGlyph('A')->Height();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < drawn; ++x)
            ASSERT_EQ(two.pixel(2 * x + 1, 2 * y + 1), one.pixel(x, y)) << x << "," << y;
}
