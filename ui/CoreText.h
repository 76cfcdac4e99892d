#pragma once
// Texts the core made (its messages, the kinds' names, the mode names) in the window's language.
#include <QString>
#include <string>
QString CoreText(const std::string& english);
