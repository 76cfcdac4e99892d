#include "ui/StatusLine.h"

#include <algorithm>

#include <QLabel>
#include <QTimer>

#include "generate/Generator.h"
#include "ui/CoreText.h"
#include "ui/GlyphReadOut.h"

namespace {

constexpr int NoteMilliseconds = 6000;

QLabel* Panel(QWidget* parent)
{
    auto* panel = new QLabel(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

// "0x0041 U+1EA8 “Ẩ”, top 1", as the command line's report names it.
QString ClippedGlyphText(const TClippedGlyph& glyph)
{
    QString text = TStatusLine::tr("0x%1 U+%2 \u201C%3\u201D")
                       .arg(HexCode(static_cast<unsigned>(glyph.Code)), HexCode(glyph.Unicode),
                            QString(QChar(glyph.Unicode)));
    if (glyph.Rows.Top > 0)
        text += TStatusLine::tr(", top %1").arg(glyph.Rows.Top);
    if (glyph.Rows.Bottom > 0)
        text += TStatusLine::tr(", bottom %1").arg(glyph.Rows.Bottom);
    return text;
}

} // namespace

TStatusLine::TStatusLine(QWidget* zoom, QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    FPanels[0] = Panel(this);
    FPanels[1] = Panel(this);
    // Room for the longest statistics line in the window's own font.
    TGenerationStats widest;
    widest.FMaxGlyphWidth = widest.FMaxGlyphHeight = 255;
    widest.FMaxWidthChar = 65535;
    widest.FFontFileSize = 99999999;
    const QString widestStatus = CoreText(StatusText(widest));
    FPanels[0]->setFixedWidth(
        std::max(350, FPanels[0]->fontMetrics().horizontalAdvance(widestStatus) + 2 * FPanels[0]->frameWidth() + 4));
    FPanels[1]->setMinimumWidth(50);
    FSizeLimitPanel = Panel(this);
    FSizeLimitPanel->setObjectName(QStringLiteral("SizeLimitPanel"));
    FSizeLimitPanel->setMinimumWidth(50);
    FSizeLimitPanel->hide();
    FClippedPanel = Panel(this);
    FClippedPanel->setObjectName(QStringLiteral("ClippedPanel"));
    FClippedPanel->hide();
    FNotePanel = Panel(this);
    FNotePanel->setObjectName(QStringLiteral("NotePanel"));
    FNotePanel->hide();
    FNoteTimer = new QTimer(this);
    FNoteTimer->setSingleShot(true);
    FNoteTimer->setInterval(NoteMilliseconds);
    connect(FNoteTimer, &QTimer::timeout, FNotePanel, &QWidget::hide);
    addWidget(FPanels[0]);
    addWidget(FClippedPanel);
    addWidget(FSizeLimitPanel);
    addWidget(FNotePanel);
    addWidget(FPanels[1], 1);
    addPermanentWidget(zoom);
}

void TStatusLine::ShowStatistics(const TGenerationStats& stats)
{
    FPanels[0]->setText(CoreText(StatusText(stats)));
    const QString refusal = stats.FSizeLimitMessage.empty()
                                ? QString()
                                : tr("Cannot be saved: %1").arg(CoreText(stats.FSizeLimitMessage));
    FSizeLimitPanel->setText(refusal);
    FSizeLimitPanel->setToolTip(refusal);
    FSizeLimitPanel->setVisible(!refusal.isEmpty());

    const std::vector<TClippedGlyph>& clipped = stats.FClipped;
    FClippedPanel->setVisible(!clipped.empty());
    if (clipped.empty())
        return;
    const int count = static_cast<int>(clipped.size());
    FClippedPanel->setText(count == 1 ? tr("1 glyph clipped") : tr("%n glyphs clipped", "", count));
    FClippedPanel->setToolTip(tr("Ink cut at the top or bottom of the cell; the first: %1")
                                  .arg(ClippedGlyphText(clipped.front())));
}

void TStatusLine::ShowReadOut(const QString& text)
{
    FPanels[1]->setText(text);
}

void TStatusLine::ShowNote(const QString& text)
{
    FNotePanel->setText(text);
    FNotePanel->setToolTip(text);
    FNotePanel->show();
    FNoteTimer->start();
}

QString TStatusLine::PanelText(int panel) const
{
    return FPanels[panel]->text();
}
