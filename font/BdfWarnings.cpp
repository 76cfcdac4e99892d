#include "font/BdfWarnings.h"

#include "font/CoreText.h"
#include "font/Format.h"

namespace {

// Each kind of glyph and what became of them.
const char* Description(TBdfProblem problem)
{
    switch (problem) {
    case TBdfProblem::CutShort:
        return CORE_TEXT("CoreMessage", "Glyphs ending without ENDCHAR, read as far as they go");
    case TBdfProblem::NoEncoding: return CORE_TEXT("CoreMessage", "Glyphs without ENCODING, skipped");
    case TBdfProblem::CodeOutOfRange:
        return CORE_TEXT("CoreMessage", "Glyphs with ENCODING -1 or a code beyond 0..65534, skipped");
    case TBdfProblem::RepeatedCode:
        return CORE_TEXT("CoreMessage", "Glyphs repeating the code of an earlier glyph, skipped");
    case TBdfProblem::NoBox: return CORE_TEXT("CoreMessage", "Glyphs without BBX, placed by FONTBOUNDINGBOX");
    case TBdfProblem::BadBox:
        return CORE_TEXT("CoreMessage", "Glyphs without a sound BBX of at most 255 x 255 pixels, skipped");
    case TBdfProblem::NoAdvance: return CORE_TEXT("CoreMessage", "Glyphs without DWIDTH, as wide as their box reaches");
    case TBdfProblem::BadAdvance: return CORE_TEXT("CoreMessage", "Glyphs with a damaged DWIDTH, skipped");
    case TBdfProblem::TooWide: return CORE_TEXT("CoreMessage", "Glyphs that would be wider than 255 pixels, skipped");
    case TBdfProblem::Widened:
        return CORE_TEXT("CoreMessage", "Glyphs with ink outside their DWIDTH, widened to hold it");
    case TBdfProblem::MissingRows:
        return CORE_TEXT("CoreMessage", "Glyphs with fewer bitmap rows than their BBX height, the missing rows blank");
    case TBdfProblem::ExtraRows:
        return CORE_TEXT("CoreMessage", "Glyphs with more bitmap rows than their BBX height, the extra rows dropped");
    case TBdfProblem::BadRow:
        return CORE_TEXT(
            "CoreMessage",
            "Glyphs with bitmap rows of the wrong length or with other than hex digits, the missing pixels blank");
    case TBdfProblem::Count: break;
    }
    return "";
}

} // namespace

void TBdfWarnings::Add(TBdfProblem problem, const std::function<std::string()>& label)
{
    TTally& tally = FTallies[static_cast<size_t>(problem)];
    if (tally.Count++ == 0)
        tally.First = label();
}

std::vector<std::string> TBdfWarnings::Lines() const
{
    std::vector<std::string> lines = FFileProblems;
    for (size_t k = 0; k < FTallies.size(); ++k) {
        const TTally& tally = FTallies[k];
        if (tally.Count > 0)
            lines.push_back(StrFormat(CORE_TEXT("CoreMessage", "%s: %d, the first %s."),
                                      Description(static_cast<TBdfProblem>(k)), tally.Count, tally.First.c_str()));
    }
    return lines;
}

std::string JoinWarnings(const std::string& head, const std::vector<std::string>& lines)
{
    std::string text = head;
    for (const std::string& line : lines)
        text += "\n- " + line;
    return text;
}
