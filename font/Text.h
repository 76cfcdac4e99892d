#pragma once
// Single-byte text helpers shared by the text formats: blanks are the control characters and space.

#include <string>
#include <string_view>

inline bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

inline std::string_view TrimBlanks(std::string_view text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// ASCII letters only, as the file formats compare them.
inline std::string UpperCaseAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}
