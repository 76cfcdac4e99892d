#include "ui/GlyphEditor.h"

#include <algorithm>
#include <cstdlib>

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "font/MtkFont.h"
#include "generate/PreviewLayout.h"
#include "ui/CoreText.h"
#include "ui/GlyphEditCommands.h"
#include "ui/GlyphGrid.h"
#include "ui/GlyphReadOut.h"

namespace {

constexpr int GridHeight = 400; // the grid's height in screen pixels, as near as whole cells allow
const QSize MaxGridViewSize(640, 480);
constexpr int MinCellSize = 4;
constexpr int MaxCellSize = 32;

struct TColorRole {
    const char* Name;
    const char* Role;
};

// What the generator draws with each colour; translated where shown.
constexpr TColorRole FourColorRoles[] = {
    {QT_TRANSLATE_NOOP("TGlyphEditor", "red"), QT_TRANSLATE_NOOP("TGlyphEditor", "second background")},
    {QT_TRANSLATE_NOOP("TGlyphEditor", "grey"), QT_TRANSLATE_NOOP("TGlyphEditor", "background")},
    {QT_TRANSLATE_NOOP("TGlyphEditor", "black"), QT_TRANSLATE_NOOP("TGlyphEditor", "outline")},
    {QT_TRANSLATE_NOOP("TGlyphEditor", "white"), QT_TRANSLATE_NOOP("TGlyphEditor", "ink")},
};
constexpr TColorRole TwoColorRoles[] = {
    {QT_TRANSLATE_NOOP("TGlyphEditor", "grey"), QT_TRANSLATE_NOOP("TGlyphEditor", "background")},
    {QT_TRANSLATE_NOOP("TGlyphEditor", "white"), QT_TRANSLATE_NOOP("TGlyphEditor", "ink")},
};

std::span<const TColorRole> Roles(TPaletteKind palette)
{
    if (palette == TPaletteKind::TwoColor)
        return TwoColorRoles;
    return FourColorRoles;
}

QIcon Swatch(QRgb color)
{
    QPixmap picture(16, 16);
    picture.fill(QColor::fromRgb(color));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(picture);
}

// The cells from A to B on a straight line, B included and A not, so a quick stroke leaves no gaps.
std::vector<QPoint> LineCells(QPoint a, QPoint b)
{
    std::vector<QPoint> cells;
    const int dx = std::abs(b.x() - a.x());
    const int dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1;
    const int sy = a.y() < b.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = a;
    while (p != b) {
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
        cells.push_back(p);
    }
    return cells;
}

template <class T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TGlyphEditor::TGlyphEditor(QWidget* parent, TMtkFont& draft, int index, TUnicodeOf unicodeOf)
    : QDialog(parent)
    , FDraft(draft)
    , FUnicodeOf(std::move(unicodeOf))
{
    setObjectName(QStringLiteral("GlyphEditor"));
    setWindowTitle(tr("Glyph Editor"));
    FCurrentColor = Palette() == TPaletteKind::TwoColor ? 1 : 3; // the ink
    BuildControls();
    SetCurrentColor(FCurrentColor);
    ShowGlyph(index);
    // Room for the whole first glyph where the screen allows; wider glyphs scroll.
    const int frame = 2 * FGridView->frameWidth();
    FGridView->setMinimumSize(std::clamp(FGrid->width(), 240, MaxGridViewSize.width()) + frame,
                              std::clamp(FGrid->height(), 160, MaxGridViewSize.height()) + frame);
}

TPaletteKind TGlyphEditor::Palette() const
{
    return FDraft.GlyphPaletteKind();
}

uint8_t TGlyphEditor::BackgroundColor() const
{
    return PreviewBackgroundIndex(Palette());
}

void TGlyphEditor::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    FHeader = Named(new QLabel(this), "lblGlyph");
    top->addWidget(FHeader, 1);
    FPrevious = Named(new QPushButton(tr("< Previous"), this), "btnPreviousGlyph");
    FNext = Named(new QPushButton(tr("Next >"), this), "btnNextGlyph");
    FPrevious->setToolTip(tr("Previous glyph (Page Up)"));
    FNext->setToolTip(tr("Next glyph (Page Down)"));
    FPrevious->setShortcut(Qt::Key_PageUp);
    FNext->setShortcut(Qt::Key_PageDown);
    for (QPushButton* button : {FPrevious, FNext})
        button->setAutoDefault(false);
    connect(FPrevious, &QPushButton::clicked, this, [this] { ShowGlyph(FIndex - 1); });
    connect(FNext, &QPushButton::clicked, this, [this] { ShowGlyph(FIndex + 1); });
    top->addWidget(FPrevious);
    top->addWidget(FNext);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    FGridView = new QScrollArea(this);
    FGridView->setAlignment(Qt::AlignCenter);
    FGrid = Named(new TGlyphGrid(FGridView), "GlyphGrid");
    FGridView->setWidget(FGrid);
    connect(FGrid, &TGlyphGrid::StrokeStarted, this, &TGlyphEditor::StartStroke);
    connect(FGrid, &TGlyphGrid::StrokeMoved, this, &TGlyphEditor::ContinueStroke);
    connect(FGrid, &TGlyphGrid::StrokeEnded, this, &TGlyphEditor::EndStroke);
    middle->addWidget(FGridView, 1);
    auto* tools = new QVBoxLayout;
    tools->addWidget(BuildColorTools());
    tools->addWidget(BuildWidthTools());
    tools->addStretch(1);
    middle->addLayout(tools);
    layout->addLayout(middle, 1);

    auto* hint =
        new QLabel(tr("Left button: draw in the chosen colour. Right button: draw in the background colour."), this);
    layout->addWidget(hint);
    FRefusal = Named(new QLabel(this), "lblRefusal");
    FRefusal->setWordWrap(true);
    FRefusal->setStyleSheet(QStringLiteral("color: #b00000"));
    FRefusal->hide();
    layout->addWidget(FRefusal);

    auto* bottom = new QHBoxLayout;
    // Fixed captions keep the buttons in place; the hint names the change.
    auto* undo = Named(new QPushButton(tr("Undo"), this), "btnUndo");
    auto* redo = Named(new QPushButton(tr("Redo"), this), "btnRedo");
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcut(QKeySequence::Redo);
    auto* redoAlso = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), this);
    connect(undo, &QPushButton::clicked, &FUndo, &QUndoStack::undo);
    connect(redo, &QPushButton::clicked, &FUndo, &QUndoStack::redo);
    connect(redoAlso, &QShortcut::activated, &FUndo, &QUndoStack::redo);
    connect(&FUndo, &QUndoStack::canUndoChanged, undo, &QWidget::setEnabled);
    connect(&FUndo, &QUndoStack::canRedoChanged, redo, &QWidget::setEnabled);
    connect(&FUndo, &QUndoStack::undoTextChanged, undo,
            [undo](const QString& text) { undo->setToolTip(tr("Undo %1 (Ctrl+Z)").arg(text)); });
    connect(&FUndo, &QUndoStack::redoTextChanged, redo,
            [redo](const QString& text) { redo->setToolTip(tr("Redo %1 (Ctrl+Y)").arg(text)); });
    for (QPushButton* button : {undo, redo}) {
        button->setAutoDefault(false);
        button->setEnabled(false);
        bottom->addWidget(button);
    }
    bottom->addStretch(1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* apply = Named(buttons->addButton(tr("Apply"), QDialogButtonBox::AcceptRole), "btnApply");
    Named(buttons->addButton(QDialogButtonBox::Cancel), "btnCancel");
    apply->setToolTip(tr("Put the edited glyphs into the font"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

QWidget* TGlyphEditor::BuildColorTools()
{
    auto* group = new QGroupBox(tr("Colour"), this);
    auto* grid = new QGridLayout(group);
    FColors = new QButtonGroup(group);
    const TPalette palette = CreatePalette(Palette());
    const std::span<const TColorRole> roles = Roles(Palette());
    for (size_t color = 0; color < roles.size(); ++color) {
        auto* button = new QToolButton(group);
        button->setObjectName(QStringLiteral("btnColor%1").arg(color));
        button->setCheckable(true);
        button->setIcon(Swatch(palette.Argb[color]));
        button->setText(QString::number(color));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setToolTip(tr("Colour %1, %2: %3")
                               .arg(QString::number(color), tr(roles[color].Name), tr(roles[color].Role)));
        FColors->addButton(button, static_cast<int>(color));
        grid->addWidget(button, static_cast<int>(color) / 2, static_cast<int>(color) % 2);
    }
    connect(FColors, &QButtonGroup::idClicked, this,
            [this](int color) { SetCurrentColor(static_cast<uint8_t>(color)); });

    FPicker = Named(new QToolButton(group), "btnPicker");
    FPicker->setText(tr("Pick Colour"));
    FPicker->setToolTip(tr("Click a pixel to draw on in its colour"));
    FPicker->setCheckable(true);
    grid->addWidget(FPicker, 2, 0, 1, 2);

    grid->addWidget(new QLabel(tr("Pad colour:"), group), 3, 0);
    FPadColor = Named(new QComboBox(group), "cmbPadColor");
    FPadColor->setToolTip(tr("Fills the glyph's rows up to a multiple of 4 pixels in an OLD compatibility mode file"));
    for (size_t color = 0; color < roles.size(); ++color)
        FPadColor->addItem(Swatch(palette.Argb[color]), QString::number(color));
    // Only the 4-colour files carry a pad colour.
    FPadColor->setEnabled(Palette() == TPaletteKind::FourColor);
    connect(FPadColor, &QComboBox::activated, this, &TGlyphEditor::PadColorPicked);
    grid->addWidget(FPadColor, 3, 1);
    return group;
}

QWidget* TGlyphEditor::BuildWidthTools()
{
    auto* group = new QGroupBox(tr("Width"), this);
    // The buttons name the glyph's edges, which the grid shows left to right in every language.
    group->setLayoutDirection(Qt::LeftToRight);
    auto* grid = new QGridLayout(group);
    const struct {
        const char* Name;
        const char* Text;
        const char* Hint;
        bool Add;
        TGlyphEdge Edge;
    } changes[] = {
        {"btnAddLeftColumn", QT_TRANSLATE_NOOP("TGlyphEditor", "Add at Left"),
         QT_TRANSLATE_NOOP("TGlyphEditor", "Add a column of background at the glyph's left edge"), true,
         TGlyphEdge::Left},
        {"btnRemoveLeftColumn", QT_TRANSLATE_NOOP("TGlyphEditor", "Remove at Left"),
         QT_TRANSLATE_NOOP("TGlyphEditor", "Remove the column at the glyph's left edge"), false, TGlyphEdge::Left},
        {"btnAddRightColumn", QT_TRANSLATE_NOOP("TGlyphEditor", "Add at Right"),
         QT_TRANSLATE_NOOP("TGlyphEditor", "Add a column of background at the glyph's right edge"), true,
         TGlyphEdge::Right},
        {"btnRemoveRightColumn", QT_TRANSLATE_NOOP("TGlyphEditor", "Remove at Right"),
         QT_TRANSLATE_NOOP("TGlyphEditor", "Remove the column at the glyph's right edge"), false, TGlyphEdge::Right},
    };
    int position = 0;
    for (const auto& change : changes) {
        auto* button = Named(new QPushButton(tr(change.Text), group), change.Name);
        button->setAutoDefault(false);
        button->setToolTip(tr(change.Hint));
        const bool add = change.Add;
        const TGlyphEdge edge = change.Edge;
        connect(button, &QPushButton::clicked, this, [this, add, edge] { ChangeWidth(add, edge); });
        grid->addWidget(button, position % 2, position / 2);
        ++position;
    }
    if (!FDraft.FVariableWidth) {
        auto* note = new QLabel(
            tr("Fixed-width font: every glyph gains or loses the column, so all stay as wide as glyph 0."), group);
        note->setWordWrap(true);
        grid->addWidget(note, 2, 0, 1, 2);
    }
    return group;
}

void TGlyphEditor::ShowGlyph(int index)
{
    if (FStroking)
        EndStroke();
    FIndex = std::clamp(index, 0, std::max(FDraft.GlyphCount() - 1, 0));
    const TGlyphBitmap* glyph = FDraft.GetGlyph(FIndex);
    const int height = glyph ? std::max(glyph->Height(), 1) : 1;
    FGrid->SetGlyph(glyph, std::clamp(GridHeight / height, MinCellSize, MaxCellSize));
    const uint16_t unicode = FUnicodeOf ? FUnicodeOf(FIndex) : 0;
    FHeader->setText(GlyphReadOut(FIndex, unicode, glyph ? glyph->Width() : 0));
    const QSignalBlocker blocker(FPadColor);
    FPadColor->setCurrentIndex(std::min<int>(FDraft.GetPadColor(FIndex), FPadColor->count() - 1));
    FPrevious->setEnabled(FIndex > 0);
    FNext->setEnabled(FIndex + 1 < FDraft.GlyphCount());
}

void TGlyphEditor::SetCurrentColor(uint8_t color)
{
    FCurrentColor = color;
    if (QAbstractButton* button = FColors->button(color))
        button->setChecked(true);
}

QString TGlyphEditor::Refusal() const
{
    return FRefusal->isHidden() ? QString() : FRefusal->text();
}

void TGlyphEditor::ShowRefusal(const QString& text)
{
    FRefusal->setText(text);
    FRefusal->setVisible(!text.isEmpty());
}

const TGlyphBitmap* TGlyphEditor::GlyphWith(QPoint cell) const
{
    const TGlyphBitmap* glyph = FDraft.GetGlyph(FIndex);
    const bool inside =
        glyph && cell.x() >= 0 && cell.y() >= 0 && cell.x() < glyph->Width() && cell.y() < glyph->Height();
    return inside ? glyph : nullptr;
}

void TGlyphEditor::StartStroke(Qt::MouseButton button, QPoint cell)
{
    if (FPicker->isChecked()) {
        // One pick, then back to drawing in the colour picked.
        if (const TGlyphBitmap* glyph = GlyphWith(cell))
            SetCurrentColor(glyph->Pixel(cell.x(), cell.y()));
        FPicker->setChecked(false);
        return;
    }
    ShowRefusal({});
    FStroking = true;
    FStrokeColor = button == Qt::RightButton ? BackgroundColor() : FCurrentColor;
    FStrokeEnd = cell;
    DrawAt(cell);
}

void TGlyphEditor::ContinueStroke(QPoint cell)
{
    if (!FStroking)
        return;
    for (const QPoint& next : LineCells(FStrokeEnd, cell))
        DrawAt(next);
    FStrokeEnd = cell;
}

void TGlyphEditor::DrawAt(QPoint cell)
{
    const TGlyphBitmap* glyph = GlyphWith(cell);
    if (!glyph || glyph->Pixel(cell.x(), cell.y()) == FStrokeColor)
        return;
    // A pixel already in the stroke's colour is skipped, so a stroke sets each pixel once.
    const TPixelChange change{cell.x(), cell.y(), FStrokeColor};
    for (const TPixelChange& undo : SetGlyphPixels(FDraft, FIndex, std::span(&change, 1)))
        FStrokeUndo.push_back(undo);
    FStrokeChanges.push_back(change);
    FGrid->update();
}

void TGlyphEditor::EndStroke()
{
    if (!FStroking)
        return;
    FStroking = false;
    if (FStrokeChanges.empty())
        return;
    FUndo.push(NewPixelsCommand(FDraft, FIndex, [this](int index) { ShowGlyph(index); }, std::move(FStrokeChanges),
                                  std::move(FStrokeUndo)));
    FStrokeChanges.clear();
    FStrokeUndo.clear();
}

void TGlyphEditor::ChangeWidth(bool add, TGlyphEdge edge)
{
    TEdgeColumns columns;
    try {
        if (add) {
            columns = BlankEdgeColumns(FDraft, FIndex, edge, BackgroundColor());
            AddEdgeColumns(FDraft, FIndex, columns);
        } else {
            columns = RemoveEdgeColumns(FDraft, FIndex, edge);
        }
    } catch (const EGlyphEditError& refused) {
        ShowRefusal(CoreText(refused.what()));
        return;
    }
    ShowRefusal({});
    FUndo.push(NewColumnCommand(FDraft, FIndex, [this](int index) { ShowGlyph(index); }, add, std::move(columns)));
}

void TGlyphEditor::PadColorPicked(int index)
{
    const auto color = static_cast<uint8_t>(index);
    const uint8_t old = SetGlyphPadColor(FDraft, FIndex, color);
    if (old != color)
        FUndo.push(NewPadColorCommand(FDraft, FIndex, [this](int shown) { ShowGlyph(shown); }, old, color));
}
