#include "font/FileKind.h"

#include "font/CoreText.h"
#include "font/Format.h"

#include <algorithm>
#include <cctype>

namespace {

std::string LowerExtension(const std::string& path)
{
    const size_t dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.')
        return std::string();
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

bool TFileKind::Matches(const std::string& path) const
{
    if (Extensions.empty())
        return !path.empty() && path.back() == '/';
    return std::find(Extensions.begin(), Extensions.end(), LowerExtension(path)) != Extensions.end();
}

std::string TFileKind::DefaultExtension() const
{
    return Extensions.empty() ? std::string() : Extensions.front().substr(1);
}

std::string TFileKind::DescriptionWithExtensions() const
{
    return StrFormat(CORE_TEXT("CoreName", "%s (%s)"), Description.c_str(), JoinTexts(Extensions, ", ").c_str());
}

const TFileKind& TableFileKind()
{
    static const TFileKind kind{{".ini"},
                                CORE_TEXT("CoreName", "a conversion table"),
                                CORE_TEXT("CoreName", "INI Files (*.ini)|*.ini|All Files (*.*)|*.*"),
                                ""};
    return kind;
}

std::string JoinTexts(const std::vector<std::string>& parts, const std::string& separator,
                      const std::string& lastSeparator)
{
    std::string text;
    for (size_t k = 0; k < parts.size(); ++k) {
        if (k > 0)
            text += k + 1 == parts.size() && !lastSeparator.empty() ? lastSeparator : separator;
        text += parts[k];
    }
    return text;
}
