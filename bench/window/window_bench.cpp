// "One option changed, preview refreshed" in the real main window, offscreen: a width option,
// which redraws from the kept cells, and the primary font's rendering switched back and forth,
// which finds both renderings kept after the first switch; and the full plane's preview
// scrolled, zoomed and hovered.

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <sched.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>

#include "font/Workers.h"
#include "ui/DialogSeam.h"
#include "ui/GlyphEditor.h"
#include "ui/MainWindow.h"
#include "ui/PreviewArea.h"

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
    // Each editor gets one column added at the right and is applied; the font is never replaced after.
    bool ConfirmDiscard(QWidget*, const QString&) override { return false; }
    std::optional<int> ChooseOne(QWidget*, const QString&, const QStringList&) override { return std::nullopt; }
    bool EditGlyphs(TGlyphEditor& editor) override
    {
        editor.findChild<QPushButton*>(QStringLiteral("btnAddRightColumn"))->click();
        return true;
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

// A table of every 16-bit code, written once; empty when it cannot be written.
QString FullPlaneTable()
{
    static QTemporaryDir folder;
    const QString table = folder.filePath(QStringLiteral("full.ini"));
    QFile file(table);
    if (!file.exists() &&
        (!file.open(QIODevice::WriteOnly) || file.write("[1]\nDescription=Full plane\nMAX=0xFFFF\n") < 0))
        return {};
    return table;
}

// The calling thread limited to its first Cores allowed cores while it lives: the window then
// draws with as many workers, its first generation included.
class TCoreLimit {
public:
    explicit TCoreLimit(int cores)
    {
        if (sched_getaffinity(0, sizeof(FAllowed), &FAllowed) != 0)
            return;
        cpu_set_t limited;
        CPU_ZERO(&limited);
        for (int cpu = 0; cpu < CPU_SETSIZE && CPU_COUNT(&limited) < cores; ++cpu)
            if (CPU_ISSET(cpu, &FAllowed))
                CPU_SET(cpu, &limited);
        FLimited = CPU_COUNT(&limited) == cores && sched_setaffinity(0, sizeof(limited), &limited) == 0;
    }
    ~TCoreLimit()
    {
        if (FLimited)
            sched_setaffinity(0, sizeof(FAllowed), &FAllowed);
    }
    TCoreLimit(const TCoreLimit&) = delete;
    TCoreLimit& operator=(const TCoreLimit&) = delete;

    // False when the process may not run on exactly that many cores.
    bool Limited() const { return FLimited; }

private:
    cpu_set_t FAllowed;
    bool FLimited = false;
};

// Argument: the cores, so one worker and every core are measured alike. Peak memory needs a
// process of its own for each: --benchmark_filter='BM_WindowFullPlane/cores:1'.
void RefreshFullPlane(benchmark::State& state, const TToggle& toggle)
{
    const TCoreLimit cores(static_cast<int>(state.range(0)));
    if (!cores.Limited()) {
        state.SkipWithError("cannot run on exactly that many cores");
        return;
    }
    const QString table = FullPlaneTable();
    if (table.isEmpty()) {
        state.SkipWithError("cannot write the table");
        return;
    }
    RefreshAfterToggle(state, table, toggle);
}

void BM_WindowFullPlane(benchmark::State& state)
{
    RefreshFullPlane(state, ToggleMinWidth);
}
BENCHMARK(BM_WindowFullPlane)->Arg(1)->Arg(AvailableCores())->ArgName("cores")->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_WindowFullPlaneRendering(benchmark::State& state)
{
    RefreshFullPlane(state, ToggleRendering);
}
BENCHMARK(BM_WindowFullPlaneRendering)->Arg(1)->Arg(AvailableCores())->ArgName("cores")->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The full plane's preview in a window of the design size, at a zoom; null when it did not generate.
std::unique_ptr<TfrmMain> FullPlaneWindow(benchmark::State& state, int zoom)
{
    auto window = std::make_unique<TfrmMain>(FullPlaneTable(), std::make_unique<TNoDialogs>());
    window->show();
    QApplication::processEvents();
    if (window->MtkFont().GlyphCount() != 65536) {
        state.SkipWithError("the window did not generate");
        return nullptr;
    }
    window->findChild<TPreviewArea*>()->SetZoom(zoom);
    return window;
}

// Page Down through the whole plane, back to the top at its end; each page painted.
void BM_PreviewFullPlaneScroll(benchmark::State& state)
{
    const std::unique_ptr<TfrmMain> window = FullPlaneWindow(state, static_cast<int>(state.range(0)));
    if (!window)
        return;
    auto* area = window->findChild<TPreviewArea*>();
    QScrollBar* bar = area->VerticalScrollBar();
    for (auto _ : state) {
        if (bar->value() == bar->maximum())
            bar->setValue(0);
        else
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        area->repaint();
    }
}
BENCHMARK(BM_PreviewFullPlaneScroll)->Arg(1)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

// Ctrl + wheel between 1x and 8x: the plane laid out again and painted.
void BM_PreviewFullPlaneZoom(benchmark::State& state)
{
    const std::unique_ptr<TfrmMain> window = FullPlaneWindow(state, 1);
    if (!window)
        return;
    auto* area = window->findChild<TPreviewArea*>();
    for (auto _ : state) {
        area->SetZoom(area->Zoom() == 1 ? 8 : 1);
        area->repaint();
    }
}
BENCHMARK(BM_PreviewFullPlaneZoom)->Unit(benchmark::kMillisecond)->UseRealTime();

// The read-out over the last glyph, scrolled to the end: the longest search.
void BM_PreviewFullPlaneHoverAtEnd(benchmark::State& state)
{
    const std::unique_ptr<TfrmMain> window = FullPlaneWindow(state, static_cast<int>(state.range(0)));
    if (!window)
        return;
    auto* area = window->findChild<TPreviewArea*>();
    area->VerticalScrollBar()->setValue(area->VerticalScrollBar()->maximum());
    const TGlyphRect last = window->GlyphRects().GlyphRects().back();
    const QPointF at(area->FromLayout({last.Left + 1, last.Top + 1}));
    for (auto _ : state) {
        QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(area, &move);
    }
}
BENCHMARK(BM_PreviewFullPlaneHoverAtEnd)->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The glyph editor on a draft of the whole plane, one column added and applied: store copied,
// statistics measured, preview laid out again.
void BM_EditorFullPlaneApply(benchmark::State& state)
{
    const std::unique_ptr<TfrmMain> window = FullPlaneWindow(state, 1);
    if (!window)
        return;
    int glyph = 0;
    for (auto _ : state)
        window->EditGlyph(glyph++ % 200);
}
BENCHMARK(BM_EditorFullPlaneApply)->Unit(benchmark::kMillisecond)->UseRealTime();

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
