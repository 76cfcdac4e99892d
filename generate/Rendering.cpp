#include "generate/Rendering.h"

#include <array>

#include "font/CoreText.h"
#include "font/Text.h"

namespace {

// Made at start, so the captions are remembered before the window lists them.
const std::array<TRenderModeName, 4> Names = {{
    {TRenderMode::Smooth, CORE_TEXT("CoreName", "Smooth"), "smooth", "Smooth"},
    {TRenderMode::Mono, CORE_TEXT("CoreName", "Crisp"), "mono", "Mono"},
    {TRenderMode::MonoAuto, CORE_TEXT("CoreName", "Crisp, auto-hinted"), "mono-auto", "Mono-Auto"},
    {TRenderMode::Light, CORE_TEXT("CoreName", "Light"), "light", "Light"},
}};

} // namespace

std::span<const TRenderModeName> RenderModeNames()
{
    return Names;
}

const TRenderModeName& NameOf(TRenderMode mode)
{
    return Names[static_cast<size_t>(mode)];
}

std::optional<TRenderMode> RenderModeFromWord(std::string_view word)
{
    const std::string upper = UpperCaseAscii(std::string(word));
    for (const TRenderModeName& name : Names)
        if (upper == UpperCaseAscii(name.Word))
            return name.Mode;
    return std::nullopt;
}

std::optional<TRenderMode> RenderModeFromValue(int value)
{
    if (value < 0 || static_cast<size_t>(value) >= Names.size())
        return std::nullopt;
    return static_cast<TRenderMode>(value);
}
