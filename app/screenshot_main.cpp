// Saves pictures of both pages of the main window after the first generation.
// Usage: glyphforgetool_screenshot TABLE.ini CREATION.png TOOLS.png (run with QT_QPA_PLATFORM=offscreen)

#include <cstdio>
#include <memory>

#include <QApplication>
#include <QTabWidget>

#include "ui/MainWindow.h"
#include "ui/QtDialogSeam.h"
#include "ui/SplashWindow.h"

namespace {

bool Save(TfrmMain& window, const char* fileName)
{
    QApplication::processEvents();
    if (window.grab().save(QString::fromLocal8Bit(fileName)))
        return true;
    std::fprintf(stderr, "Cannot save \"%s\".\n", fileName);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s TABLE.ini CREATION.png TOOLS.png\n", argv[0]);
        return 2;
    }
    { TfrmSplash splash; } // sets the application title, as at start-up
    TfrmMain window(QString::fromLocal8Bit(argv[1]), std::make_unique<TQtDialogSeam>());
    window.show();
    if (window.Table().PresetIds().Count() == 0) {
        std::fprintf(stderr, "No presets in \"%s\".\n", argv[1]);
        return 1;
    }
    if (!Save(window, argv[2]))
        return 1;
    window.findChild<QTabWidget*>(QStringLiteral("pcMain"))->setCurrentIndex(1);
    return Save(window, argv[3]) ? 0 : 1;
}
