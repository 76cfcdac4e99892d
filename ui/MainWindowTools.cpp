// The commands of the "Font Tools" page and the table dialog, and the edge every handler
// runs behind.

#include <new>

#include <QComboBox>

#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "generate/ProgramStamp.h"
#include "ui/BusyCursor.h"
#include "ui/FontReaders.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowFilters.h"

namespace {

const QString BitmapFilter = QStringLiteral("Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*");
const QString TextFilter = QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
const QString TableFilter = QStringLiteral("INI Files (*.ini)|*.ini|All Files (*.*)|*.*");

const char* const Chars = TMtkFont::FonToolPixelChars;

} // namespace

void TfrmMain::RunHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::bad_alloc&) {
        ShowMessage("Out of memory", TMessageKind::Error);
    } catch (const std::exception& error) {
        ShowMessage(error.what(), TMessageKind::Error);
    }
}

void TfrmMain::ShowMessage(const std::string& text, TMessageKind kind)
{
    // Never hidden under the splash (an error of the first table load), and answered with the
    // normal cursor even inside a busy operation.
    WMCloseSplash();
    const TNormalCursor normal;
    FDialogs->ShowMessage(this, QString::fromStdString(text), kind);
}

std::unique_ptr<TMtkFont> TfrmMain::NewStore()
{
    auto store = std::make_unique<TMtkFont>();
    store->SetMessageSink([this](const std::string& message) { ShowMessage(message, TMessageKind::Error); });
    return store;
}

void TfrmMain::btnOpenTableClick()
{
    OpenDialog.SetUp(QStringLiteral("Select Unicode Conversion Table..."), TableFilter, QStringLiteral("ini"));
    if (const std::optional<QString> chosen = FDialogs->OpenFile(this, OpenDialog)) {
        OpenDialog.FileName = *chosen;
        LoadTableFile(*chosen);
    }
    Refresh();
}

void TfrmMain::OpenFontCommand(const QString& title, const QString& filter, const QString& defaultExt,
                               const std::function<bool(TMtkFont&, const std::string&)>& read)
{
    OpenDialog.SetUp(title, filter, defaultExt);
    if (const std::optional<QString> chosen = FDialogs->OpenFile(this, OpenDialog))
        OpenFontFile(*chosen, read);
}

bool TfrmMain::OpenFontFile(const QString& fileName, const std::function<bool(TMtkFont&, const std::string&)>& read)
{
    OpenDialog.FileName = fileName;
    // A file that is refused or fails half-way leaves the font in hand as it was.
    std::unique_ptr<TMtkFont> store = NewStore();
    bool accepted = false;
    {
        TBusyCursor busy;
        accepted = read(*store, fileName.toStdString());
    }
    if (!accepted || !MayReplaceFont())
        return false;
    FMtkFont = std::move(store);
    FontReplaced();
    PostLoad();
    return true;
}

void TfrmMain::btnOpenMTFClick()
{
    OpenFontCommand(QStringLiteral("Select Mediatek Font File..."), MediatekOpenFilter, QStringLiteral("mtf"),
                    ReadMediatekFont);
}

void TfrmMain::btnOpenBMPClick()
{
    OpenFontCommand(QStringLiteral("Select GlyphForgeTool Compatible BMP File..."), BitmapFilter,
                    QStringLiteral("bmp"), ReadStripBmp);
}

void TfrmMain::btnOpenTXTClick()
{
    OpenFontCommand(QStringLiteral("Select FonTool Format TXT File..."), TextFilter, QStringLiteral("txt"),
                    ReadFonToolText);
}

void TfrmMain::SaveFontCommand(const QString& title, const QString& filter, const QString& defaultExt,
                               const std::function<void(const std::string&)>& write)
{
    SaveDialog.SetUp(title, filter, defaultExt);
    const std::optional<QString> chosen = FDialogs->SaveFile(this, SaveDialog);
    if (!chosen)
        return;
    SaveDialog.FileName = *chosen;
    TBusyCursor busy;
    write(chosen->toStdString());
}

void TfrmMain::btnSaveMTFClick()
{
    SaveFontCommand(QStringLiteral("Save As Mediatek Font..."), MediatekSaveFilter, QStringLiteral("mtf"),
                    [this](const std::string& path) {
                        FMtkFont->SaveToFile(path, cmbFonType->currentIndex() == ftFourColorNew, ProgramStamp, {});
                        SetUnsavedEdits(false);
                    });
}

void TfrmMain::btnSaveBMPClick()
{
    SaveFontCommand(QStringLiteral("Save As GlyphForgeTool Compatible BMP File..."), BitmapFilter,
                    QStringLiteral("bmp"), [this](const std::string& path) { FMtkFont->SaveToBmpFile(path); });
}

void TfrmMain::btnExportSeparateBMPClick()
{
    const std::optional<QString> chosen =
        FDialogs->BrowseFolder(this, QStringLiteral("Select output folder for separeate bmp files:"));
    if (!chosen)
        return;
    std::string folder = chosen->toStdString();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    TBusyCursor busy;
    FMtkFont->SaveGlyphBmps(folder);
}

void TfrmMain::btnSaveTXTClick()
{
    SaveFontCommand(QStringLiteral("Save As FonTool Format TXT File..."), TextFilter, QStringLiteral("txt"),
                    [this](const std::string& path) {
                        SaveTextLines(path, FMtkFont->ExportFonToolText(Chars[0], Chars[1], Chars[2], Chars[3], -1));
                    });
}
