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

const TCommand Commands[] = {
    {"btnOpenMTF", TIcon::OpenFont, "Open Mediatek Font...", TFontFormatId::Mediatek, false,
     "Select Mediatek Font File..."},
    {"btnSaveMTF", TIcon::SaveFont, "Save Mediatek Font...", TFontFormatId::Mediatek, true,
     "Save As Mediatek Font..."},
    {"btnOpenBMP", TIcon::ImportBmp, "Import from BMP...", TFontFormatId::StripBmp, false,
     "Select GlyphForgeTool Compatible BMP File..."},
    {"btnSaveBMP", TIcon::ExportBmp, "Export to BMP...", TFontFormatId::StripBmp, true,
     "Save As GlyphForgeTool Compatible BMP File..."},
    {"btnExportSeparateBMP", TIcon::ExportSeparateBmps, "Export Characters to Separate BMPs...",
     TFontFormatId::GlyphBmps, true, "Select output folder for separeate bmp files:"},
    {"btnOpenTXT", TIcon::ImportText, "Import from FonTool Text format...", TFontFormatId::FonToolText, false,
     "Select FonTool Format TXT File..."},
    {"btnSaveTXT", TIcon::ExportText, "Export to FonTool Text format...", TFontFormatId::FonToolText, true,
     "Save As FonTool Format TXT File..."},
    {"btnOpenBDF", TIcon::ImportBdf, "Import BDF...", TFontFormatId::Bdf, false, "Select BDF Font File..."},
    {"btnSaveBDF", TIcon::ExportBdf, "Export to BDF...", TFontFormatId::Bdf, true, "Save As BDF Font File..."},
};

// The sample image at the design size of the window (740 x 230 pages).
constexpr int SampleWidthMargin = 740 - 720;
constexpr int SampleHeightMargin = 230 - 96;

} // namespace

TToolsPage::TToolsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tsTools"));
    auto* gbImportExport = Named(new QGroupBox(QStringLiteral("Import && Export"), this), "gbImportExport");
    gbImportExport->setGeometry(4, 2, static_cast<int>(std::size(Commands)) * (PictureButtonSize + 2) + 14, 56);
    auto* row = new QHBoxLayout(gbImportExport);
    row->setContentsMargins(6, 2, 6, 4);
    row->setSpacing(2);
    for (const TCommand& command : Commands) {
        QToolButton* button = PictureButton(gbImportExport, command.Name, command.Icon, QString::fromLatin1(command.Hint));
        row->addWidget(button);
        const TFontFormat* format = &FontFormat(command.Format);
        const QString title = QString::fromLatin1(command.Title);
        const bool save = command.Save;
        connect(button, &QToolButton::clicked, this, [this, format, title, save] {
            if (save)
                emit SaveFontClicked(title, format);
            else
                emit OpenFontClicked(title, format);
        });
    }

    edSampleText = Named(new QLineEdit(QStringLiteral("Sample Text"), this), "edSampleText");
    edSampleText->setGeometry(4, 64, 220, 21);
    lblSampleTextWinInfo = Named(new QLabel(this), "lblSampleTextWinInfo");
    lblSampleTextWinInfo->setGeometry(232, 66, 400, 17);
    FSampleArea = Named(new QScrollArea(this), "SampleArea");
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
