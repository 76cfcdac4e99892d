#pragma once
// The window's language, chosen from the desktop's: the program's and Qt's translations, the
// layout direction and the locale that spin boxes show their numbers in.

#include <QLocale>
#include <QStringList>
#include <QTranslator>

class TLanguageChoice {
public:
    // Takes the first of Languages (most wanted first, as QLocale::uiLanguages() gives them) that is
    // English or has a translation in Folder; with none of them, the window stays English.
    TLanguageChoice(const QStringList& languages, const QString& folder);
    // Back to what was there before, so that one process can try several languages.
    ~TLanguageChoice();
    TLanguageChoice(const TLanguageChoice&) = delete;
    TLanguageChoice& operator=(const TLanguageChoice&) = delete;

    // English (QLocale::English) when no translation was taken.
    QLocale::Language Language() const { return FLanguage; }

private:
    QTranslator FProgram;
    QTranslator FQt;
    QLocale::Language FLanguage = QLocale::English;
    QLocale FFormerLocale;
    Qt::LayoutDirection FFormerDirection;
};
