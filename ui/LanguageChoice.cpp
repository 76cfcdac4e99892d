#include "ui/LanguageChoice.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>

namespace {

// Qt's translations lack some languages (Vietnamese); the standard buttons the window shows are
// in the program's own translations too, under Qt's context, and Qt's file wins where there is one.
[[maybe_unused]] const char* const StandardButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
};

} // namespace

TLanguageChoice::TLanguageChoice(const QStringList& languages, const QString& folder)
    : FFormerDirection(QGuiApplication::layoutDirection())
{
    for (const QString& language : languages) {
        const QLocale locale(language);
        // The texts are written in English, so a desktop that prefers it needs no file.
        if (locale.language() == QLocale::English)
            return;
        if (!FProgram.load(locale, QStringLiteral("glyphforgetool"), QStringLiteral("_"), folder))
            continue;
        FLanguage = locale.language();
        QCoreApplication::installTranslator(&FProgram);
        // Qt's own texts (standard buttons, file dialogs); not every language has them.
        if (FQt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&FQt);
        QLocale::setDefault(locale);
        QGuiApplication::setLayoutDirection(locale.textDirection());
        return;
    }
}

TLanguageChoice::~TLanguageChoice()
{
    QCoreApplication::removeTranslator(&FQt);
    QCoreApplication::removeTranslator(&FProgram);
    QLocale::setDefault(FFormerLocale);
    QGuiApplication::setLayoutDirection(FFormerDirection);
}
