#pragma once
// How a font's outlines become ink: the hinting and rasterising mode, and for the modes that
// render coverage the coverage from which a pixel counts as ink.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

enum class TRenderMode : uint8_t {
    Smooth,   // the font's hinting, anti-aliased coverage
    Mono,     // the font's own hinting for a bilevel target, drawn bilevel
    MonoAuto, // the auto-hinter for a bilevel target, drawn bilevel
    Light,    // the light auto-hinter (vertical only), anti-aliased coverage
};

constexpr int DefaultInk = 128; // "more than half covered"

struct TRendering {
    TRenderMode Mode = TRenderMode::Smooth;
    int Ink = DefaultInk; // coverage 1..255 from which a pixel is ink; bilevel modes ignore it

    bool UsesInk() const { return Mode == TRenderMode::Smooth || Mode == TRenderMode::Light; }
    bool IsDefault() const { return *this == TRendering{}; }
    bool operator==(const TRendering&) const = default;
};

struct TRenderModeName {
    TRenderMode Mode;
    const char* Caption; // the window's list
    const char* Word;    // the command line; the options text capitalises it
    const char* TextWord;
};

// Every mode in the order the window lists it, which is also the order of the values.
std::span<const TRenderModeName> RenderModeNames();
const TRenderModeName& NameOf(TRenderMode mode);
// The command-line word or the options-text word, in any case; none for anything else.
std::optional<TRenderMode> RenderModeFromWord(std::string_view word);
// The value stored in a byte; none for a byte no mode has.
std::optional<TRenderMode> RenderModeFromValue(int value);
