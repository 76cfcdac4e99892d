#pragma once
// printf-style formatting into std::string, for the system's message formats.

#include <string>

[[gnu::format(printf, 1, 2)]] std::string StrFormat(const char* format, ...);
