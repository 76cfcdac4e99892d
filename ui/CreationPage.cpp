#include "ui/CreationPage.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/ControlFactory.h"
#include "ui/ElidingComboBox.h"
#include "ui/FontPage.h"
#include "ui/GenerationOptionsPanel.h"

namespace {

// The left column's width at the window's first size; it takes whatever width the window gains.
constexpr int LeftGroupWidth = 186;

// A drop-down list with its picture button beside it, in a group.
QGroupBox* ListGroup(QWidget* parent, const char* name, const QString& title, QComboBox* list, QToolButton* button)
{
    auto* group = Named(new QGroupBox(title, parent), name);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(8, 4, 6, 6);
    row->addWidget(list, 1);
    row->addWidget(button);
    group->setMinimumWidth(LeftGroupWidth);
    return group;
}

} // namespace

TCreationPage::TCreationPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tsCreation"));
    cmbPresets = Named(new TElidingComboBox, "cmbPresets");
    btnOpenTable = PictureButton(nullptr, "btnOpenTable", TIcon::OpenTable,
                                 tr("Select Unicode Conversion Table..."));
    gbPreset = ListGroup(this, "gbPreset", tr("Preset"), cmbPresets, btnOpenTable);
    // Over the preset list while a generation runs. Kept out of any layout: showing or hiding a
    // laid-out widget lays out every parent again, and the tabs then repaint the whole page.
    pbFontCreate = Named(new QProgressBar(cmbPresets), "pbFontCreate");
    pbFontCreate->setTextVisible(false);
    pbFontCreate->hide();
    cmbPresets->installEventFilter(this);

    cmbFonType = Named(new TElidingComboBox, "cmbFonType");
    cmbFonType->addItems({tr("4 color compr., variable width (OLD compatibility mode)"),
                          tr("4 color compr., variable width (NEW mode)"), tr("2 color uncompr., fix width")});
    btnSaveFon = PictureButton(nullptr, "btnSaveFon", TIcon::SaveFont, tr("Save As Mediatek Font..."));
    gbSaveFon = ListGroup(this, "gbSaveFon", tr("Save Mediatek Font"), cmbFonType, btnSaveFon);

    pcFonts = Named(new QTabWidget(this), "pcFonts");
    tsFont01 = new TFontPage(TFontPageKind::Primary);
    tsFont02 = new TFontPage(TFontPageKind::Secondary);
    pcFonts->addTab(tsFont01, tr("Primary Font"));
    pcFonts->addTab(tsFont02, tr("Secondary Font"));
    MakePictureButton(tsFont01->btnFont, TIcon::FontDialog);
    MakePictureButton(tsFont02->btnFont, TIcon::FontDialog);
    MakePictureButton(tsFont01->btnImportOptions, TIcon::ImportOptions);
    gbFontOptions = new TGenerationOptionsPanel(this);

    // Every group as large as its contents need; the left column takes the width the window gains.
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(gbPreset);
    left->addWidget(gbSaveFon);
    left->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    row->addLayout(left, 1);
    row->addWidget(pcFonts);
    row->addWidget(gbFontOptions);
}

bool TCreationPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbPresets && event->type() == QEvent::Resize)
        pbFontCreate->setGeometry(cmbPresets->rect());
    return QWidget::eventFilter(watched, event);
}
