#pragma once
// A failure whose message the window has already put in its own words and language, shown as it is.

#include <stdexcept>

#include <QString>

class EWindowError : public std::runtime_error {
public:
    explicit EWindowError(const QString& text) : std::runtime_error(text.toStdString()), FText(text) {}

    const QString& Text() const { return FText; }

private:
    QString FText;
};
