// Files: the commands of the "Font Tools" page, the table dialog and files dropped on the
// window, each by the format table; and the edge every handler runs behind.

#include <new>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTabWidget>

#include "font/FileFormats.h"
#include "font/Format.h"
#include "ui/BusyCursor.h"
#include "ui/MainWindow.h"

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

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

void TfrmMain::btnOpenTableClick()
{
    const TFileKind& tables = TableFileKind();
    OpenDialog.SetUp(QStringLiteral("Select Unicode Conversion Table..."), Text(tables.OpenFilter),
                     Text(tables.DefaultExtension()));
    if (const std::optional<QString> chosen = FDialogs->OpenFile(this, OpenDialog)) {
        OpenDialog.FileName = *chosen;
        LoadTableFile(*chosen);
    }
    Refresh();
}

void TfrmMain::OpenFontCommand(const QString& title, const TFontFormat& format)
{
    OpenDialog.SetUp(title, Text(format.OpenFilter), Text(format.DefaultExtension()));
    if (const std::optional<QString> chosen = FDialogs->OpenFile(this, OpenDialog))
        OpenFontFile(*chosen, format);
}

bool TfrmMain::OpenFontFile(const QString& fileName, const TFontFormat& format)
{
    OpenDialog.FileName = fileName;
    // A file that is refused or fails half-way leaves the font in hand as it was.
    std::unique_ptr<TMtkFont> store;
    {
        TBusyCursor busy;
        store = FDocument.ReadFontFile(format, fileName.toStdString());
    }
    if (!store || !MayReplaceFont())
        return false;
    FDocument.ReplaceFont(std::move(store));
    PostLoad();
    return true;
}

void TfrmMain::SaveFontCommand(const QString& title, const TFontFormat& format)
{
    std::string path;
    if (format.Extensions.empty()) {
        const std::optional<QString> chosen = FDialogs->BrowseFolder(this, title);
        if (!chosen)
            return;
        path = chosen->toStdString();
        if (path.empty() || path.back() != '/')
            path += '/';
    } else {
        SaveDialog.SetUp(title, Text(format.SaveFilter), Text(format.DefaultExtension()));
        const std::optional<QString> chosen = FDialogs->SaveFile(this, SaveDialog);
        if (!chosen)
            return;
        SaveDialog.FileName = *chosen;
        path = chosen->toStdString();
    }
    TBusyCursor busy;
    FDocument.WriteFontFile(format, path);
}

void TfrmMain::AcceptFileDrops()
{
    setAcceptDrops(true);
    // Controls that take dropped text (the sample text) let files through to the window.
    for (QWidget* control : findChildren<QWidget*>())
        if (control->acceptDrops())
            control->installEventFilter(this);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
        static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
        if (type == QEvent::Drop)
            dropEvent(static_cast<QDropEvent*>(event));
        else
            static_cast<QDropEvent*>(event)->acceptProposedAction();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    // Opened from the event loop: the program the files came from is not kept waiting on a question.
    QMetaObject::invokeMethod(this, [this, urls] { RunHandler([this, &urls] { OpenDroppedFiles(urls); }); },
                              Qt::QueuedConnection);
}

void TfrmMain::OpenDroppedFiles(const QList<QUrl>& urls)
{
    if (urls.size() != 1) {
        ShowMessage("Drop one file at a time.", TMessageKind::Error);
        return;
    }
    if (!urls[0].isLocalFile()) {
        const std::string shown = urls[0].toDisplayString().toStdString();
        ShowMessage(StrFormat("\"%s\" is not a file on this computer.", shown.c_str()), TMessageKind::Error);
        return;
    }
    OpenDroppedFile(urls[0].toLocalFile());
}

void TfrmMain::OpenDroppedFile(const QString& fileName)
{
    const std::string path = fileName.toStdString();
    if (TableFileKind().Matches(path)) {
        if (!MayReplaceFont())
            return;
        OpenDialog.FileName = fileName;
        LoadTableFile(fileName);
        Refresh();
        // The table's presets are on "Font Creation"; its font is already generated.
        const QSignalBlocker blocker(pcMain);
        pcMain->setCurrentWidget(tsCreation);
        return;
    }
    const TFontFormat* format = FontFormatOf(path);
    if (!format || !format->Read) {
        std::vector<std::string> kinds;
        for (const TFontFormat& readable : FontFormats())
            if (readable.Read)
                kinds.push_back(readable.DescriptionWithExtensions());
        kinds.push_back(TableFileKind().DescriptionWithExtensions());
        const std::string name = fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1).toStdString();
        ShowMessage(StrFormat("\"%s\" cannot be opened here. Drop %s.", name.c_str(),
                              JoinTexts(kinds, ", ", " or ").c_str()),
                    TMessageKind::Error);
        return;
    }
    // Opened fonts belong to "Font Tools", where returning to "Font Creation" is what replaces them.
    if (OpenFontFile(fileName, *format))
        pcMain->setCurrentWidget(tsTools);
}
