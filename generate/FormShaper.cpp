#include "generate/FormShaper.h"

#include <cmath>

#include <hb-ot.h>
#include <hb.h>

namespace {

constexpr uint32_t ZeroWidthJoiner = 0x200D;

int RoundPixels(hb_position_t position)
{
    return static_cast<int>(std::lround(position / 64.0));
}

} // namespace

struct TFormShaper::TImpl {
    hb_font_t* Font = nullptr;

    ~TImpl()
    {
        if (Font)
            hb_font_destroy(Font);
    }
};

TFormShaper::TFormShaper(const std::string& file, int faceIndex, int pixelSize) : FImpl(std::make_unique<TImpl>())
{
    hb_blob_t* blob = hb_blob_create_from_file(file.c_str());
    hb_face_t* face = hb_face_create(blob, static_cast<unsigned>(faceIndex));
    hb_blob_destroy(blob);
    FImpl->Font = hb_font_create(face);
    hb_face_destroy(face);
    // Positions in 26.6 pixels, the rasteriser's unit.
    hb_font_set_scale(FImpl->Font, pixelSize * 64, pixelSize * 64);
    hb_font_set_ppem(FImpl->Font, static_cast<unsigned>(pixelSize), static_cast<unsigned>(pixelSize));
}

TFormShaper::~TFormShaper() = default;

std::vector<TPlacedGlyph> TFormShaper::Shape(std::u16string_view letters, bool joinBefore, bool joinAfter) const
{
    hb_buffer_t* buffer = hb_buffer_create();
    if (joinBefore)
        hb_buffer_add(buffer, ZeroWidthJoiner, 0);
    for (const char16_t letter : letters)
        hb_buffer_add(buffer, letter, 1);
    if (joinAfter)
        hb_buffer_add(buffer, ZeroWidthJoiner, 2);
    hb_buffer_set_content_type(buffer, HB_BUFFER_CONTENT_TYPE_UNICODE);
    hb_buffer_set_direction(buffer, HB_DIRECTION_RTL);
    hb_buffer_set_script(buffer, HB_SCRIPT_ARABIC);
    hb_buffer_set_language(buffer, hb_language_from_string("ar", -1));
    // The joiners only choose the forms; they draw nothing.
    hb_buffer_set_flags(buffer, HB_BUFFER_FLAG_REMOVE_DEFAULT_IGNORABLES);
    hb_shape(FImpl->Font, buffer, nullptr, 0);

    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
    std::vector<TPlacedGlyph> glyphs;
    hb_position_t pen = 0;
    for (unsigned k = 0; k < count; ++k) {
        if (infos[k].codepoint == 0) {
            glyphs.clear();
            break;
        }
        glyphs.push_back(
            {infos[k].codepoint, RoundPixels(pen + positions[k].x_offset), RoundPixels(positions[k].y_offset)});
        pen += positions[k].x_advance;
    }
    hb_buffer_destroy(buffer);
    return glyphs;
}
