// Saves pictures of both pages of the main window after the first generation, and of the glyph
// editor on the letter A.
// Usage: glyphforgetool_screenshot TABLE.ini CREATION.png TOOLS.png EDITOR.png
// (run with QT_QPA_PLATFORM=offscreen)

#include <cstdio>
#include <memory>

#include <QApplication>
#include <QTabWidget>

#include "ui/GlyphEditor.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogSeam.h"
#include "ui/SplashWindow.h"

namespace {

bool Save(QWidget& widget, const char* fileName)
{
    QApplication::processEvents();
    if (widget.grab().save(QString::fromLocal8Bit(fileName)))
        return true;
    std::fprintf(stderr, "Cannot save \"%s\".\n", fileName);
    return false;
}

// Qt's own dialogs, except that the glyph editor is pictured and closed instead of run.
class TPicturedEditor : public TQtDialogSeam {
public:
    explicit TPicturedEditor(const char* fileName) : FFileName(fileName) {}
    bool EditGlyphs(TGlyphEditor& editor) override
    {
        editor.show();
        FSaved = Save(editor, FFileName);
        editor.hide();
        return false;
    }
    bool Saved() const { return FSaved; }

private:
    const char* FFileName;
    bool FSaved = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s TABLE.ini CREATION.png TOOLS.png EDITOR.png\n", argv[0]);
        return 2;
    }
    { TfrmSplash splash; } // sets the application title, as at start-up
    auto dialogs = std::make_unique<TPicturedEditor>(argv[4]);
    const TPicturedEditor& editor = *dialogs;
    TfrmMain window(QString::fromLocal8Bit(argv[1]), std::move(dialogs));
    window.show();
    if (window.Table().PresetIds().Count() == 0) {
        std::fprintf(stderr, "No presets in \"%s\".\n", argv[1]);
        return 1;
    }
    if (!Save(window, argv[2]))
        return 1;
    window.findChild<QTabWidget*>(QStringLiteral("pcMain"))->setCurrentIndex(1);
    if (!Save(window, argv[3]))
        return 1;
    window.EditGlyph('A');
    return editor.Saved() ? 0 : 1;
}
