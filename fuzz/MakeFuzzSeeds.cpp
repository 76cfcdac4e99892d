// Writes the seed corpora of the fuzz targets with the project's own writers:
//   make_fuzz_seeds <corpus folder>
// Each target's seeds go to <corpus folder>/<target>/.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "font/BdfWriter.h"
#include "font/FileIo.h"
#include "font/MtkFont.h"
#include "generate/FontInfo.h"
#include "generate/OptionsText.h"

namespace fs = std::filesystem;

namespace {

const std::string Stamp = "[GlyphForgeTool 0.6.4]";

void Save(const fs::path& folder, const std::string& name, std::span<const uint8_t> bytes)
{
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Save(const fs::path& folder, const std::string& name, const std::string& text)
{
    Save(folder, name, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

// A few glyphs of mixed widths with strokes, background and padding in every colour.
void FillSample(TMtkFont& font, bool twoColor, int fixedWidth)
{
    font.Clear();
    font.FHeight = 7;
    font.FBitsPerPixel = twoColor ? 1 : 2;
    font.FCompression = twoColor ? 0 : 1;
    font.FVariableWidth = fixedWidth == 0;
    const int colors = twoColor ? 2 : 4;
    for (int k = 0; k < 6; ++k) {
        const int width = fixedWidth != 0 ? fixedWidth : (k * 3) % 11;
        TGlyphBitmap glyph(width, font.FHeight, twoColor ? TPaletteKind::TwoColor : TPaletteKind::FourColor);
        for (int y = 0; y < font.FHeight; ++y)
            for (int x = 0; x < width; ++x)
                glyph.SetPixel(x, y, static_cast<uint8_t>((x == y || x == k) ? (k + x) % colors : 1 % colors));
        font.AddGlyph(glyph, static_cast<uint8_t>(k % 4));
    }
}

std::vector<uint8_t> FontFile(const TMtkFont& font, bool newMode, std::span<const uint8_t> fontInfo = {})
{
    std::vector<uint8_t> file;
    font.SaveToStream(file, newMode, Stamp, fontInfo);
    return file;
}

std::vector<uint8_t> Joined(const std::vector<std::string>& lines)
{
    const std::string text = JoinLines(lines);
    return std::vector<uint8_t>(text.begin(), text.end());
}

TGenerationOptions SampleOptions()
{
    TGenerationOptions options;
    options.FontName = "DejaVu Sans";
    options.Font2Name = "Unifont";
    options.FontStyle = fsBold;
    options.TopCutOn = true;
    options.WidthDivOn = true;
    return options;
}

void FontSeeds(const fs::path& corpus)
{
    TMtkFont font;
    const fs::path reader = corpus / "font_reader_fuzz";
    FillSample(font, false, 0);
    Save(reader, "old-mode.mtf", FontFile(font, false));
    Save(reader, "new-mode.mtf", FontFile(font, true));
    const TByteArray info = BuildFontInfo(SampleOptions());
    Save(reader, "with-font-info.mtf", FontFile(font, false, info));
    Save(corpus / "font_info_fuzz", "version-3.mtf", FontFile(font, false, info));
    TByteArray older = info;
    older[10] = 2;
    Save(corpus / "font_info_fuzz", "version-2.bin", older);
    older[10] = 1;
    Save(corpus / "font_info_fuzz", "version-1.bin", older);
    TGenerationOptions rendered = SampleOptions();
    rendered.RenderMode = TRenderMode::Light;
    rendered.Ink = 90;
    rendered.RenderMode2 = TRenderMode::Mono;
    Save(corpus / "font_info_fuzz", "rendering-record.mtf", FontFile(font, false, BuildFontInfo(rendered)));
    rendered.Shift = -2;
    rendered.Shift2 = 3;
    rendered.Align2 = TSecondaryBaseline::Primary;
    rendered.ShapeArabic = true;
    Save(corpus / "font_info_fuzz", "layout-record.mtf", FontFile(font, false, BuildFontInfo(rendered)));

    const std::string bmp = (fs::temp_directory_path() / "glyphforge-seed.bmp").string();
    font.SaveToBmpFile(bmp);
    Save(corpus / "strip_bmp_fuzz", "strip.bmp", ReadWholeFile(bmp));
    fs::remove(bmp);

    Save(corpus / "fontool_text_fuzz", "four-colour.txt",
         Joined(font.ExportFonToolText(' ', '.', '-', '*', -1)));

    FillSample(font, false, 5);
    Save(reader, "fixed-width-compressed.mtf", FontFile(font, false));
    FillSample(font, true, 12);
    Save(reader, "two-colour-old.mtf", FontFile(font, false));
    FillSample(font, true, 7);
    Save(reader, "two-colour-new.mtf", FontFile(font, true));
}

void TableSeeds(const fs::path& corpus)
{
    Save(corpus / "conversion_table_fuzz", "two-presets.ini",
         "[1]\r\nDescription=Latin\r\nMAX=$FF\r\n0x41=0x0041\r\n$42=$0042H\r\n67=67\r\n"
         "[2]\r\nDescription=Cyrillic\r\nMax=300\r\n192=$0410\r\n193=\r\nxyz\r\n");
}

void OptionsNameSeeds(const fs::path& corpus)
{
    TGenerationOptions options = SampleOptions();
    // The first byte picks the single look-up: key and whether it takes a value.
    Save(corpus / "options_name_fuzz", "proposed-name", "\x01" + ProposedFontFileName(options, 17));
    options.FontType = ftTwoColorFixed;
    options.RightMarginOn = false;
    options.BottomCutOn = true;
    Save(corpus / "options_name_fuzz", "two-colour-name", "\x12/fonts/" + ProposedFontFileName(options, 12));
    options.RenderMode = TRenderMode::MonoAuto;
    options.FontType = ftFourColorOld;
    Save(corpus / "options_name_fuzz", "rendering-name", "\x17" + ProposedFontFileName(options, 14));
    options.RenderMode = TRenderMode::Light;
    options.Ink = 60;
    Save(corpus / "options_name_fuzz", "ink-name", "\x19" + ProposedFontFileName(options, 14));
    options.Shift = -3;
    options.ShapeArabic = true;
    options.Shift2 = 2;
    options.Align2 = TSecondaryBaseline::Primary;
    Save(corpus / "options_name_fuzz", "layout-name", "\x1D" + ProposedFontFileName(options, 14));
}

void BdfSeeds(const fs::path& corpus)
{
    TBdfDescription description;
    description.Family = "Seed";
    description.PixelSize = 7;
    description.PointSize = 53;
    description.Ascent = 5;
    description.Registry = "ISO10646";
    description.Encoding = "1";
    TMtkFont font;
    const fs::path reader = corpus / "bdf_reader_fuzz";
    FillSample(font, false, 0);
    Save(reader, "two-bit.bdf", EncodeBdf(font, description, TBdfDepth::AsFont));
    Save(reader, "one-bit.bdf", EncodeBdf(font, description, TBdfDepth::OneBit));
    Save(reader, "eight-bit-foreign.bdf",
         "STARTFONT 2.3\nSIZE 8 96 96 8\nFONTBOUNDINGBOX 3 3 -1 -1\nSTARTPROPERTIES 1\nCOPYRIGHT \"x\"\n"
         "ENDPROPERTIES\nCHARS 2\nSTARTCHAR a\nENCODING 97\nDWIDTH 2 0\nBBX 3 2 -1 -1\nBITMAP\n00FF80\n40C010\n"
         "ENDCHAR\nSTARTCHAR b\nENCODING -1 98\nBBX 1 1 0 0\nBITMAP\n10\nENDCHAR\nENDFONT\n");
}

// The round-trip targets build their stores from raw bytes.
void RandomSeeds(const fs::path& corpus)
{
    std::mt19937 random(4);
    for (const char* target : {"roundtrip_old_fuzz", "roundtrip_new_fuzz", "roundtrip_two_color_fuzz",
                               "roundtrip_text_fuzz", "roundtrip_strip_fuzz"}) {
        for (int seed = 0; seed < 3; ++seed) {
            std::vector<uint8_t> bytes(static_cast<size_t>(64 << (2 * seed)));
            for (uint8_t& byte : bytes)
                byte = static_cast<uint8_t>(random());
            Save(corpus / target, "random-" + std::to_string(seed), bytes);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds <corpus folder>\n");
        return 2;
    }
    const fs::path corpus = argv[1];
    FontSeeds(corpus);
    TableSeeds(corpus);
    OptionsNameSeeds(corpus);
    BdfSeeds(corpus);
    RandomSeeds(corpus);
    return 0;
}
