#pragma once
// The BDF reader's warnings: each kind of glyph problem once, with a count and the first glyph.

#include <array>
#include <functional>
#include <string>
#include <vector>

enum class TBdfProblem {
    CutShort,
    NoEncoding,
    CodeOutOfRange,
    RepeatedCode,
    NoBox,
    BadBox,
    NoAdvance,
    BadAdvance,
    TooWide,
    Widened,
    MissingRows,
    ExtraRows,
    BadRow,
    Count,
};

class TBdfWarnings {
public:
    // Label names the glyph, e.g. "A" (code 65); it is asked only for the first of a kind.
    void Add(TBdfProblem problem, const std::function<std::string()>& label);
    void AddFileProblem(std::string text) { FFileProblems.push_back(std::move(text)); }
    std::vector<std::string> Lines() const;

private:
    struct TTally {
        int Count = 0;
        std::string First;
    };
    std::array<TTally, static_cast<size_t>(TBdfProblem::Count)> FTallies{};
    std::vector<std::string> FFileProblems;
};

// Head, then each line on its own line after "- ".
std::string JoinWarnings(const std::string& head, const std::vector<std::string>& lines);
