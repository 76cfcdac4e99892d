#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QImage>
#include <QStringList>
#include <QStyleOptionComboBox>
#include <QStyleOptionViewItem>

#include "controls_test_app.h"
#include "generate/FontEngine.h"
#include "ui/FontFamilyCombo.h"

namespace {

class FontComboTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    int IndexOf(const char* family)
    {
        const int index = Combo.findText(QString::fromLatin1(family), Qt::MatchExactly);
        EXPECT_GE(index, 0) << family << " is not installed";
        return index;
    }

    // "Wg" in the family at the default item size, as the engine measures it.
    static int WgHeight(const char* family)
    {
        TFontEngine engine(false);
        const auto face = engine.OpenFont({family, 12, 0});
        return std::max(face->TextHeightW(u'W'), face->TextHeightW(u'g'));
    }

    int FieldHeightFor(int itemHeight)
    {
        QStyleOptionComboBox option;
        option.initFrom(&Combo);
        return Combo.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(0, itemHeight), &Combo).height();
    }

    TFontFamilyCombo Combo;
};

TEST_F(FontComboTest, ItemsAreAsHighAsTheirFamilyNeeds)
{
    for (const char* family : {"DejaVu Sans", "Unifont"}) {
        const int index = IndexOf(family);
        ASSERT_GE(index, 0);
        EXPECT_EQ(Combo.cmbFontMeasureItem(index), WgHeight(family) + 2) << family;
        // The list asks the delegate; it answers the same height.
        QStyleOptionViewItem option;
        const QModelIndex item = Combo.model()->index(index, 0);
        EXPECT_EQ(Combo.view()->itemDelegate()->sizeHint(option, item).height(), WgHeight(family) + 2) << family;
    }
    EXPECT_EQ(Combo.cmbFontMeasureItem(-1), std::nullopt);
    EXPECT_EQ(Combo.cmbFontMeasureItem(Combo.count()), std::nullopt);
}

TEST_F(FontComboTest, NamesAreDrawnInTheirOwnTypeface)
{
    const int dejavu = IndexOf("DejaVu Sans");
    const int unifont = IndexOf("Unifont");
    ASSERT_GE(dejavu, 0);
    ASSERT_GE(unifont, 0);
    const QImage picture = Combo.ItemPicture(unifont, Qt::red);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.height(), WgHeight("Unifont"));
    // Unifont's cells are 8 pixels wide at its native size.
    EXPECT_EQ(picture.width(), 8 * QStringLiteral("Unifont").size());
    bool inked = false;
    for (int y = 0; y < picture.height() && !inked; ++y)
        for (int x = 0; x < picture.width() && !inked; ++x)
            inked = picture.pixel(x, y) == QColor(Qt::red).rgba();
    EXPECT_TRUE(inked);
    EXPECT_NE(Combo.ItemPicture(dejavu, Qt::black).size(), picture.size());
}

TEST_F(FontComboTest, FamilyTheEngineCannotDrawFallsBackToPlainText)
{
    Combo.addItem(QStringLiteral("No Such Family 0x7f"));
    const int index = Combo.count() - 1;
    EXPECT_TRUE(Combo.ItemPicture(index, Qt::black).isNull());
    EXPECT_EQ(Combo.cmbFontMeasureItem(index), Combo.fontMetrics().height() + 2);
    Combo.setCurrentIndex(index);
    QImage screen(Combo.size(), QImage::Format_ARGB32);
    Combo.render(&screen); // paints the plain text without throwing
}

TEST_F(FontComboTest, SelectionFieldFitsTheSelectedFamily)
{
    Combo.SelectFamily(QStringLiteral("Unifont"));
    EXPECT_EQ(Combo.currentText(), QStringLiteral("Unifont"));
    EXPECT_EQ(Combo.height(), FieldHeightFor(WgHeight("Unifont") + 2));
    Combo.SelectFamily(QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(Combo.height(), FieldHeightFor(WgHeight("DejaVu Sans") + 2));

    // A family that is not in the list clears the selection; the field keeps its height.
    QStringList picked;
    QObject::connect(&Combo, &TFontFamilyCombo::FamilyChanged, [&picked](const QString& family) { picked << family; });
    const int height = Combo.height();
    Combo.SelectFamily(QStringLiteral("Not Installed"));
    EXPECT_EQ(Combo.currentIndex(), -1);
    EXPECT_EQ(Combo.height(), height);
    EXPECT_TRUE(picked.isEmpty()); // program selections are not the user's
}

} // namespace
