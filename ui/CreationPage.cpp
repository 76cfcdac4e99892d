#include "ui/CreationPage.h"

#include <algorithm>

#include <QComboBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolButton>

#include "ui/ControlFactory.h"
#include "ui/ElidingComboBox.h"
#include "ui/FontPage.h"
#include "ui/GenerationOptionsPanel.h"

namespace {

// The left column at the window's first width.
constexpr int LeftGroupWidth = 186;
constexpr int LeftComboWidth = 136;
constexpr int LeftButtonLeft = 150;
constexpr int FontPagesLeft = 194;

} // namespace

TCreationPage::TCreationPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tsCreation"));
    gbPreset = Named(new QGroupBox(QStringLiteral("Preset"), this), "gbPreset");
    gbPreset->setGeometry(4, 2, LeftGroupWidth, 56);
    cmbPresets = Named(new TElidingComboBox(gbPreset), "cmbPresets");
    cmbPresets->setGeometry(8, 22, LeftComboWidth, 22);
    btnOpenTable = PictureButton(gbPreset, "btnOpenTable", TIcon::OpenTable,
                                 QStringLiteral("Select Unicode Conversion Table..."));
    btnOpenTable->move(LeftButtonLeft, 19);
    pbFontCreate = Named(new QProgressBar(gbPreset), "pbFontCreate");
    pbFontCreate->setGeometry(cmbPresets->geometry());
    pbFontCreate->setTextVisible(false);
    pbFontCreate->hide();

    gbSaveFon = Named(new QGroupBox(QStringLiteral("Save Mediatek Font"), this), "gbSaveFon");
    gbSaveFon->setGeometry(4, 62, LeftGroupWidth, 56);
    cmbFonType = Named(new TElidingComboBox(gbSaveFon), "cmbFonType");
    cmbFonType->setGeometry(8, 22, LeftComboWidth, 22);
    cmbFonType->addItems({QStringLiteral("4 color compr., variable width (OLD compatibility mode)"),
                          QStringLiteral("4 color compr., variable width (NEW mode)"),
                          QStringLiteral("2 color uncompr., fix width")});
    btnSaveFon = PictureButton(gbSaveFon, "btnSaveFon", TIcon::SaveFont, QStringLiteral("Save As Mediatek Font..."));
    btnSaveFon->move(LeftButtonLeft, 19);

    pcFonts = Named(new QTabWidget(this), "pcFonts");
    pcFonts->setGeometry(FontPagesLeft, 2, 230, 198);
    tsFont01 = new TFontPage(TFontPageKind::Primary);
    tsFont02 = new TFontPage(TFontPageKind::Secondary);
    pcFonts->addTab(tsFont01, QStringLiteral("Primary Font"));
    pcFonts->addTab(tsFont02, QStringLiteral("Secondary Font"));
    MakePictureButton(tsFont01->btnFont, TIcon::FontDialog);
    MakePictureButton(tsFont02->btnFont, TIcon::FontDialog);
    MakePictureButton(tsFont01->btnImportOptions, TIcon::ImportOptions);

    gbFontOptions = new TGenerationOptionsPanel(this);
    gbFontOptions->setGeometry(428, 2, 308, 198);
    GrowToContents(pcFonts);
    GrowToContents(gbFontOptions);
    const int rowHeight = std::max(pcFonts->height(), gbFontOptions->height());
    pcFonts->resize(pcFonts->width(), rowHeight);
    gbFontOptions->setGeometry(pcFonts->geometry().right() + 5, 2, gbFontOptions->width(), rowHeight);
}

void TCreationPage::Widen(int extra)
{
    for (QGroupBox* group : {gbPreset, gbSaveFon})
        group->resize(LeftGroupWidth + extra, group->height());
    for (QComboBox* box : {cmbPresets, cmbFonType})
        box->resize(LeftComboWidth + extra, box->height());
    pbFontCreate->setGeometry(cmbPresets->geometry());
    for (QToolButton* button : {btnOpenTable, btnSaveFon})
        button->move(LeftButtonLeft + extra, button->y());
    const int optionsGap = gbFontOptions->x() - pcFonts->geometry().right();
    pcFonts->move(FontPagesLeft + extra, pcFonts->y());
    gbFontOptions->move(pcFonts->geometry().right() + optionsGap, gbFontOptions->y());
}
