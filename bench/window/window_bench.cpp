// "One width option changed, preview refreshed" in the real main window, offscreen.

#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>

#include "ui/DialogSeam.h"
#include "ui/MainWindow.h"

namespace {

class TNoDialogs : public TDialogSeam {
public:
    std::optional<QString> OpenFile(QWidget*, const TFileDialogSpec&) override { return std::nullopt; }
    std::optional<QString> SaveFile(QWidget*, const TFileDialogSpec&) override { return std::nullopt; }
    std::optional<QString> BrowseFolder(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<TFontChoice> ChooseFont(QWidget*, const TFontChoice&) override { return std::nullopt; }
    std::optional<TFontSaveChoice> SaveFont(QWidget*, const TFileDialogSpec&, bool) override { return std::nullopt; }
    void ShowMessage(QWidget*, const QString& text, TMessageKind) override
    {
        qFatal("unexpected message: %s", qPrintable(text));
    }
    bool ConfirmDiscard(QWidget*, const QString&) override { return false; }
    bool EditGlyphs(TGlyphEditor&) override { return false; }
};

// Toggles the min width between two values; each change regenerates, lays out and repaints.
void RefreshAfterWidthChange(benchmark::State& state, const QString& tableFile)
{
    TfrmMain window(tableFile, std::make_unique<TNoDialogs>());
    window.show();
    QApplication::processEvents();
    QSpinBox* minWidth = window.findChild<QSpinBox*>(QStringLiteral("seMinWidth"));
    if (!minWidth || window.MtkFont().GlyphCount() == 0) {
        state.SkipWithError("the window did not generate");
        return;
    }
    int value = minWidth->value();
    for (auto _ : state) {
        value = value == 2 ? 3 : 2;
        minWidth->setValue(value);
        window.repaint();
        QApplication::processEvents();
    }
    state.counters["glyphs"] = window.MtkFont().GlyphCount();
    state.counters["generations"] = window.GenerationCount();
}

void BM_WindowFirstShippedPreset(benchmark::State& state)
{
    RefreshAfterWidthChange(state, QStringLiteral(GLYPHFORGE_SOURCE_DIR "/data/glyphforgetool.ini"));
}
BENCHMARK(BM_WindowFirstShippedPreset)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowFullPlane(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString table = folder.filePath(QStringLiteral("full.ini"));
    QFile file(table);
    if (!file.open(QIODevice::WriteOnly) || file.write("[1]\nDescription=Full plane\nMAX=0xFFFF\n") < 0) {
        state.SkipWithError("cannot write the table");
        return;
    }
    file.close();
    RefreshAfterWidthChange(state, table);
}
BENCHMARK(BM_WindowFullPlane)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
