// The desktop program: language, splash, busy cursor, main window, event loop.

#include <exception>
#include <memory>

#include <QApplication>
#include <QLocale>

#include "ui/ApplicationTitle.h"
#include "ui/LanguageChoice.h"
#include "ui/MainWindow.h"
#include "ui/ProgramPaths.h"
#include "ui/QtDialogSeam.h"
#include "ui/SplashWindow.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Qt reads LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, for the desktop's languages.
    const TLanguageChoice language(QLocale::system().uiLanguages(), TranslationsFolder());
    SetApplicationTitle(QString());

    // The splash sets the application title, which becomes the main window's caption.
    TfrmSplash* splash = nullptr;
    try {
        splash = new TfrmSplash;
        splash->show();
        splash->repaint();
        QApplication::processEvents();
    } catch (const std::exception& error) {
        // A broken splash picture must not stop the program.
        qWarning("%s", error.what());
        SetApplicationTitle(TranslatedProgramTitle());
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TfrmMain window(DefaultTableFile(), std::make_unique<TQtDialogSeam>());
    window.AdoptSplash(splash);
    // The first show loads the default table and generates the first font.
    window.show();
    QApplication::restoreOverrideCursor();
    return application.exec();
}
