// "One option changed, preview refreshed" in the real main window, offscreen: a width option,
// which redraws from the kept cells, and the primary font's rendering switched back and forth,
// which finds both renderings kept after the first switch.

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include <QApplication>
#include <QComboBox>
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
};

// Sets one control to its first or second setting; false when the window has no such control.
using TToggle = std::function<bool(TfrmMain& window, bool second)>;

bool ToggleMinWidth(TfrmMain& window, bool second)
{
    auto* minWidth = window.findChild<QSpinBox*>(QStringLiteral("seMinWidth"));
    if (minWidth)
        minWidth->setValue(second ? 3 : 2);
    return minWidth != nullptr;
}

bool ToggleRendering(TfrmMain& window, bool second)
{
    auto* rendering = window.findChild<QComboBox*>(QStringLiteral("cmbRendering"));
    if (rendering)
        rendering->setCurrentIndex(static_cast<int>(second ? TRenderMode::Mono : TRenderMode::Smooth));
    return rendering != nullptr;
}

// Each change regenerates, lays out and repaints.
void RefreshAfterToggle(benchmark::State& state, const QString& tableFile, const TToggle& toggle)
{
    TfrmMain window(tableFile, std::make_unique<TNoDialogs>());
    window.show();
    QApplication::processEvents();
    if (window.MtkFont().GlyphCount() == 0 || !toggle(window, false)) {
        state.SkipWithError("the window did not generate");
        return;
    }
    bool second = false;
    for (auto _ : state) {
        second = !second;
        toggle(window, second);
        window.repaint();
        QApplication::processEvents();
    }
    state.counters["glyphs"] = window.MtkFont().GlyphCount();
    state.counters["generations"] = window.GenerationCount();
}

const QString ShippedTable = QStringLiteral(GLYPHFORGE_SOURCE_DIR "/data/glyphforgetool.ini");

void BM_WindowFirstShippedPreset(benchmark::State& state)
{
    RefreshAfterToggle(state, ShippedTable, ToggleMinWidth);
}
BENCHMARK(BM_WindowFirstShippedPreset)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowFirstShippedPresetRendering(benchmark::State& state)
{
    RefreshAfterToggle(state, ShippedTable, ToggleRendering);
}
BENCHMARK(BM_WindowFirstShippedPresetRendering)->Unit(benchmark::kMillisecond)->UseRealTime();

void RefreshFullPlane(benchmark::State& state, const TToggle& toggle)
{
    QTemporaryDir folder;
    const QString table = folder.filePath(QStringLiteral("full.ini"));
    QFile file(table);
    if (!file.open(QIODevice::WriteOnly) || file.write("[1]\nDescription=Full plane\nMAX=0xFFFF\n") < 0) {
        state.SkipWithError("cannot write the table");
        return;
    }
    file.close();
    RefreshAfterToggle(state, table, toggle);
}

void BM_WindowFullPlane(benchmark::State& state)
{
    RefreshFullPlane(state, ToggleMinWidth);
}
BENCHMARK(BM_WindowFullPlane)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_WindowFullPlaneRendering(benchmark::State& state)
{
    RefreshFullPlane(state, ToggleRendering);
}
BENCHMARK(BM_WindowFullPlaneRendering)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

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
