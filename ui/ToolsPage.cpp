#include "ui/ToolsPage.h"

#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include "font/FileFormats.h"
#include "ui/ControlFactory.h"

namespace {

struct TCommand {
    const char* Name;
    TIcon Icon;
    const char* Hint;
    TFontFormatId Format;
    bool Save;
    const char* Title;
};

// The hints and titles are translated where the buttons are made.
const TCommand Commands[] = {
    {"btnOpenMTF", TIcon::OpenFont, QT_TRANSLATE_NOOP("TToolsPage", "Open Mediatek Font..."),
     TFontFormatId::Mediatek, false, QT_TRANSLATE_NOOP("TToolsPage", "Select Mediatek Font File...")},
    {"btnSaveMTF", TIcon::SaveFont, QT_TRANSLATE_NOOP("TToolsPage", "Save Mediatek Font..."),
     TFontFormatId::Mediatek, true, QT_TRANSLATE_NOOP("TToolsPage", "Save As Mediatek Font...")},
    {"btnOpenBMP", TIcon::ImportBmp, QT_TRANSLATE_NOOP("TToolsPage", "Import from BMP..."),
     TFontFormatId::StripBmp, false, QT_TRANSLATE_NOOP("TToolsPage", "Select GlyphForgeTool Compatible BMP File...")},
    {"btnSaveBMP", TIcon::ExportBmp, QT_TRANSLATE_NOOP("TToolsPage", "Export to BMP..."),
     TFontFormatId::StripBmp, true, QT_TRANSLATE_NOOP("TToolsPage", "Save As GlyphForgeTool Compatible BMP File...")},
    {"btnExportSeparateBMP", TIcon::ExportSeparateBmps,
     QT_TRANSLATE_NOOP("TToolsPage", "Export Characters to Separate BMPs..."),
     TFontFormatId::GlyphBmps, true, QT_TRANSLATE_NOOP("TToolsPage", "Select output folder for separeate bmp files:")},
    {"btnOpenTXT", TIcon::ImportText, QT_TRANSLATE_NOOP("TToolsPage", "Import from FonTool Text format..."),
     TFontFormatId::FonToolText, false, QT_TRANSLATE_NOOP("TToolsPage", "Select FonTool Format TXT File...")},
    {"btnSaveTXT", TIcon::ExportText, QT_TRANSLATE_NOOP("TToolsPage", "Export to FonTool Text format..."),
     TFontFormatId::FonToolText, true, QT_TRANSLATE_NOOP("TToolsPage", "Save As FonTool Format TXT File...")},
    {"btnOpenBDF", TIcon::ImportBdf, QT_TRANSLATE_NOOP("TToolsPage", "Import BDF..."),
     TFontFormatId::Bdf, false, QT_TRANSLATE_NOOP("TToolsPage", "Select BDF Font File...")},
    {"btnSaveBDF", TIcon::ExportBdf, QT_TRANSLATE_NOOP("TToolsPage", "Export to BDF..."),
     TFontFormatId::Bdf, true, QT_TRANSLATE_NOOP("TToolsPage", "Save As BDF Font File...")},
};

// The sample image at the design size of the window (740 x 230 pages).
constexpr int SampleWidthMargin = 740 - 720;
constexpr int SampleHeightMargin = 230 - 96;

} // namespace

TToolsPage::TToolsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tsTools"));
    auto* gbImportExport = Named(new QGroupBox(tr("Import && Export"), this), "gbImportExport");
    gbImportExport->setGeometry(4, 2, static_cast<int>(std::size(Commands)) * (PictureButtonSize + 2) + 14, 56);
    auto* row = new QHBoxLayout(gbImportExport);
    row->setContentsMargins(6, 2, 6, 4);
    row->setSpacing(2);
    for (const TCommand& command : Commands) {
        QToolButton* button = PictureButton(gbImportExport, command.Name, command.Icon, tr(command.Hint));
        row->addWidget(button);
        const TFontFormat* format = &FontFormat(command.Format);
        const QString title = tr(command.Title);
        const bool save = command.Save;
        connect(button, &QToolButton::clicked, this, [this, format, title, save] {
            if (save)
                emit SaveFontClicked(title, format);
            else
                emit OpenFontClicked(title, format);
        });
    }

    // The sample is text for the font, drawn with its glyphs: a translation could hold none of them.
    edSampleText = Named(new QLineEdit(QStringLiteral("Sample Text"), this), "edSampleText");
    edSampleText->setGeometry(4, 64, 220, 21);
    lblSampleTextWinInfo = Named(new QLabel(this), "lblSampleTextWinInfo");
    lblSampleTextWinInfo->setGeometry(232, 66, 400, 17);
    FSampleArea = Named(new QScrollArea(this), "SampleArea");
    FSampleArea->setLayoutDirection(Qt::LeftToRight); // the sample reads as the phone draws it
    FSampleArea->setFrameShape(QFrame::NoFrame);
    FSampleArea->move(4, 90);
    imgSampleText = Named(new QLabel, "imgSampleText");
    imgSampleText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FSampleArea->setWidget(imgSampleText);
}

void TToolsPage::FitSampleImage(int windowWidth, int pageHeight)
{
    FSampleArea->resize(std::max(windowWidth - SampleWidthMargin, 0), std::max(pageHeight - SampleHeightMargin, 0));
}

QSize TToolsPage::SampleAreaSize() const
{
    return FSampleArea->size();
}

int TToolsPage::ScrollBarWidth() const
{
    return FSampleArea->verticalScrollBar()->sizeHint().width();
}

void TToolsPage::ShowSample(const QPixmap& picture)
{
    imgSampleText->setPixmap(picture);
    imgSampleText->resize(picture.isNull() ? QSize() : picture.size());
}
