#pragma once
// A line of sample text set in the glyphs of the store, wrapped at the image's right edge.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QSize>

#include "font/Palette.h"

class TMtkFont;

struct TSampleText {
    QImage Image;       // 8-bit with Palette; the background where no glyph is drawn
    int TotalWidth = 0; // the widths of every glyph drawn, over all lines
};

// The text in the single-byte code page (Windows-1252) the glyph indices follow; a character
// the code page lacks is left out rather than replaced by another glyph.
QByteArray SampleTextCodes(const QString& text);

// Each byte is a glyph index; bytes at or above the glyph count are skipped. At a zoom above 1
// each glyph pixel becomes Zoom x Zoom pixels and the lines wrap as in an image that much smaller.
TSampleText RenderSampleText(const TMtkFont& font, const QByteArray& text, QSize size, TPaletteKind palette,
                             int zoom = 1);
