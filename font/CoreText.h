#pragma once
// Texts the core shows a user, always in English: the command line and the files never change
// with the language. Each is marked where it is written (lupdate reads CORE_TEXT as
// QT_TRANSLATE_NOOP) and remembered when first used, so that the window can tell which pattern a
// finished message was made from and show it in the user's language.

#include <string>
#include <utility>
#include <vector>

// Remembers the pattern (a printf format or a plain text) under its context and returns it; the
// compiler checks a format's arguments through it.
[[gnu::format_arg(2)]] const char* RememberCoreText(const char* context, const char* pattern);

#define CORE_TEXT(context, pattern) RememberCoreText(context, pattern)

// Every (context, pattern) remembered so far, and how many there are: the list only grows.
std::vector<std::pair<std::string, std::string>> RememberedCoreTexts();
size_t RememberedCoreTextCount();
