#include "ui/CoreText.h"

QString CoreText(const std::string& english) { return QString::fromStdString(english); }
