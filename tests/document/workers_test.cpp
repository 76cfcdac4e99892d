#include <gtest/gtest.h>

#include <functional>

#include <QCryptographicHash>
#include <QTemporaryDir>

#include "document/FontDocument.h"
#include "font/FileIo.h"
#include "font/Format.h"

namespace {

const std::string ShippedTable = GLYPHFORGE_SOURCE_DIR "/data/glyphforgetool.ini";

// The glyphs, statistics, clipped glyphs and sources of the generation in hand.
QByteArray Digest(const TFontDocument& document)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const auto add = [&hash](const void* data, size_t size) {
        hash.addData(QByteArrayView(static_cast<const char*>(data), static_cast<qsizetype>(size)));
    };
    for (int c = 0; c < document.Font().GlyphCount(); ++c) {
        const TGlyphBitmap& glyph = *document.Font().GetGlyph(c);
        const int size[2] = {glyph.Width(), glyph.Height()};
        add(size, sizeof(size));
        add(glyph.Bits().data(), glyph.Bits().size());
    }
    const TGenerationStats& stats = document.Stats();
    std::string text = StatusText(stats) + std::to_string(stats.FDigitWidth) + stats.FSizeLimitMessage;
    for (const TClippedGlyph& glyph : stats.FClipped)
        text += StrFormat(" %d %d %d %d", glyph.Code, glyph.Unicode, glyph.Rows.Top, glyph.Rows.Bottom);
    add(text.data(), text.size());
    add(document.Sources().data(), document.Sources().size());
    return hash.result();
}

// One worker and several draw the same bytes, in every type and rendering, also when a width
// change is drawn again from the cells the workers' faces keep.
TEST(GenerationWorkers, SeveralWorkersDrawWhatOneDraws)
{
    QTemporaryDir folder;
    const std::string fullPlane = folder.filePath(QStringLiteral("full.ini")).toStdString();
    const std::string text = "[1]\nDescription=Full plane\nMAX=0xFFFE\n";
    WriteFileAtomically(fullPlane, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));

    struct TCase {
        const char* Name;
        std::string Table;
        std::function<void(TGenerationOptions&)> Change;
    };
    const TCase cases[] = {
        {"default", ShippedTable, [](TGenerationOptions&) {}},
        {"outline", ShippedTable, [](TGenerationOptions& o) { o.Outline = o.Outline2 = 1; }},
        {"crisp", ShippedTable, [](TGenerationOptions& o) { o.RenderMode = o.RenderMode2 = TRenderMode::Mono; }},
        {"light, width divisor, cuts", ShippedTable,
         [](TGenerationOptions& o) {
             o.RenderMode = o.RenderMode2 = TRenderMode::Light;
             o.WidthDivOn = o.TopCutOn = o.BottomCutOn = true;
             o.WidthDiv = 3;
             o.TopCut = o.BottomCut = 1;
         }},
        {"full plane, type 2", fullPlane,
         [](TGenerationOptions& o) {
             o.FontType = ftTwoColorFixed;
             o.MinWidth = 40;
         }},
    };
    for (const TCase& test : cases) {
        QByteArray digests[2][2]; // by worker count, then before and after the width change
        for (const int workers : {1, 3}) {
            TFontDocument document(TDocumentUse::Interactive);
            document.SetWorkers(workers);
            TGenerationOptions options;
            options.FontName = "DejaVu Sans";
            options.Font2Name = "Unifont";
            options.Font2Size = 12;
            test.Change(options);
            document.AdoptOptions(options);
            document.LoadTableFile(test.Table);
            document.SelectPreset(0);
            for (QByteArray& digest : digests[workers > 1]) {
                document.Generate();
                digest = Digest(document);
                options = document.Options();
                options.MinWidth += 6;
                document.SetOptions(options);
            }
        }
        EXPECT_EQ(digests[0][0], digests[1][0]) << test.Name;
        EXPECT_EQ(digests[0][1], digests[1][1]) << test.Name << ", after a width change";
        EXPECT_NE(digests[0][0], digests[0][1]) << test.Name;
    }
}

} // namespace
