// Files dropped on the window open as the command for their kind opens them.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTabWidget>

#include "font/Format.h"
#include "ui/FontReaders.h"
#include "ui/MainWindow.h"

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
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == QStringLiteral("ini")) {
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
    bool (*read)(TMtkFont&, const std::string&) = nullptr;
    if (extension == QStringLiteral("mtf") || extension == QStringLiteral("bin"))
        read = ReadMediatekFont;
    else if (extension == QStringLiteral("bmp"))
        read = ReadStripBmp;
    else if (extension == QStringLiteral("txt"))
        read = ReadFonToolText;
    if (!read) {
        ShowMessage(StrFormat("\"%s\" cannot be opened here. Drop a Mediatek font (.mtf, .bin), a glyph strip BMP "
                              "(.bmp), a FonTool text (.txt) or a conversion table (.ini).",
                              QFileInfo(fileName).fileName().toStdString().c_str()),
                    TMessageKind::Error);
        return;
    }
    // Opened fonts belong to "Font Tools", where returning to "Font Creation" is what replaces them.
    if (OpenFontFile(fileName, read))
        pcMain->setCurrentWidget(tsTools);
}
