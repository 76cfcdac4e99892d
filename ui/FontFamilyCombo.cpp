#include "ui/FontFamilyCombo.h"

#include <algorithm>
#include <exception>

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include "font/GlyphBitmap.h"

namespace {

// What the screen engine takes for a font asked for without a size: a 16-pixel em.
constexpr int DefaultItemPoints = 12;
constexpr int TextInset = 1;

class TFamilyItemDelegate : public QStyledItemDelegate {
public:
    explicit TFamilyItemDelegate(TFontFamilyCombo* combo) : QStyledItemDelegate(combo), FCombo(combo) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (const std::optional<int> height = FCombo->cmbFontMeasureItem(index.row()))
            size.setHeight(*height);
        return size;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QImage picture = FCombo->ItemPicture(
            index.row(), option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        if (picture.isNull()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : FCombo->style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, view);
        painter->drawImage(option.rect.topLeft() + QPoint(TextInset, TextInset), picture);
    }

private:
    TFontFamilyCombo* FCombo;
};

QImage ToPicture(const TGlyphBitmap& bitmap)
{
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0)
        return {};
    QImage picture(bitmap.Width(), bitmap.Height(), QImage::Format_Indexed8);
    picture.setColorTable({qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 255)});
    for (int y = 0; y < bitmap.Height(); ++y)
        std::copy_n(bitmap.Row(y), bitmap.Width(), picture.scanLine(y));
    return picture;
}

} // namespace

TFontFamilyCombo::TFontFamilyCombo(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new TFamilyItemDelegate(this));
    for (const std::string& family : TFontEngine::Families())
        addItem(QString::fromStdString(family));
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, &TFontFamilyCombo::FitSelectionField);
    connect(this, &QComboBox::activated, this, [this] {
        FFamily = currentText();
        ShowFamilyHint();
        emit FamilyChanged(FFamily);
    });
}

std::optional<int> TFontFamilyCombo::cmbFontMeasureItem(int index) const
{
    if (index < 0 || index >= count())
        return std::nullopt;
    return Rendered(index).ItemHeight;
}

QImage TFontFamilyCombo::ItemPicture(int index, const QColor& color) const
{
    if (index < 0 || index >= count())
        return {};
    QImage picture = Rendered(index).Picture;
    if (!picture.isNull())
        picture.setColor(1, color.rgba());
    return picture;
}

void TFontFamilyCombo::SelectFamily(const QString& family)
{
    FFamily = family;
    setPlaceholderText(family);
    setCurrentIndex(findText(family, Qt::MatchExactly));
    ShowFamilyHint();
}

void TFontFamilyCombo::SelectFamilyOrFirst(const QString& family)
{
    SelectFamily(family);
    if (currentIndex() < 0 && count() > 0) {
        setCurrentIndex(0);
        ShowFamilyHint();
    }
}

void TFontFamilyCombo::ShowFamilyHint()
{
    setToolTip(!FFamily.isEmpty() && currentText() != FFamily
                   ? tr("\"%1\" is not installed: the nearest installed family draws it.").arg(FFamily)
                   : QString());
}

const TFontFamilyCombo::TRenderedName& TFontFamilyCombo::Rendered(int index) const
{
    const QString family = itemText(index);
    auto found = FRendered.find(family);
    if (found == FRendered.end())
        found = FRendered.emplace(family, Render(family)).first;
    return found->second;
}

TFontFamilyCombo::TRenderedName TFontFamilyCombo::Render(const QString& family) const
{
    // Not drawable by the engine, or its own name not drawable in it (a symbol or private-use
    // font would show boxes): the item shows its name in the list's own font.
    const TRenderedName inListFont{fontMetrics().height() + 2, QImage()};
    try {
        const auto face = FEngine.OpenFont({family.toStdString(), DefaultItemPoints, 0});
        const auto drawable = [&face](QChar character) { return face->MapsCharacter(character.unicode()); };
        if (!std::all_of(family.begin(), family.end(), drawable))
            return inListFont;
        TRenderedName rendered;
        const int height = std::max(face->TextHeightW(u'W'), face->TextHeightW(u'g'));
        rendered.ItemHeight = height + 2;
        int width = 0;
        for (const QChar character : family)
            width += face->TextWidthW(character.unicode());
        TGlyphBitmap bitmap(width, height, TPaletteKind::TwoColor, 0);
        int x = 0;
        for (const QChar character : family) {
            face->TextOutW(bitmap, x, 0, character.unicode(), 1, 0);
            x += face->TextWidthW(character.unicode());
        }
        rendered.Picture = ToPicture(bitmap);
        return rendered;
    } catch (const std::exception&) {
        return inListFont;
    }
}

void TFontFamilyCombo::FitSelectionField()
{
    const std::optional<int> itemHeight = cmbFontMeasureItem(currentIndex());
    if (!itemHeight)
        return;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    setFixedHeight(style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(0, *itemHeight), this).height());
}

void TFontFamilyCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QImage picture = ItemPicture(currentIndex(), option.palette.color(QPalette::ButtonText));
    if (picture.isNull()) {
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        // No entry selected: the family the font keeps, greyed.
        if (currentIndex() < 0) {
            option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
            option.currentText = placeholderText();
        }
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
        return;
    }
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setClipRect(field);
    painter.drawImage(field.left() + TextInset, field.top() + (field.height() - picture.height()) / 2, picture);
}
