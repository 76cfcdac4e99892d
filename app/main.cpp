// The desktop program: splash, busy cursor, main window, event loop.

#include <exception>
#include <memory>

#include <QApplication>

#include "ui/ApplicationTitle.h"
#include "ui/MainWindow.h"
#include "ui/ProgramPaths.h"
#include "ui/QtDialogSeam.h"
#include "ui/SplashWindow.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
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
        SetApplicationTitle(QString::fromLatin1(ProgramTitle));
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TfrmMain window(DefaultTableFile(), std::make_unique<TQtDialogSeam>());
    window.AdoptSplash(splash);
    // The first show loads the default table and generates the first font.
    window.show();
    QApplication::restoreOverrideCursor();
    return application.exec();
}
