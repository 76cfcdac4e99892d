#pragma once
// The list of installed font families, each name drawn in its own typeface by the project's
// font engine; items are as high as that typeface needs.

#include <map>
#include <optional>

#include <QComboBox>
#include <QImage>
#include <QString>

#include "generate/FontEngine.h"

class TFontFamilyCombo : public QComboBox {
    Q_OBJECT

public:
    // Filled with the installed families.
    explicit TFontFamilyCombo(QWidget* parent = nullptr);

    // The height of "Wg" in the item's family at the engine's default size, plus 2; nothing
    // for an index below 0.
    std::optional<int> cmbFontMeasureItem(int index) const;
    // The item's name drawn in its own family: ink opaque in Color, background transparent.
    // Null when the family cannot be drawn.
    QImage ItemPicture(int index, const QColor& color) const;

    // The family of the font this list edits: the one last picked or set, kept even when the
    // list lacks it (then drawn with the nearest installed family).
    const QString& Family() const { return FFamily; }
    // Sets the family and selects its entry, or none when the list lacks it; the empty
    // selection field then shows the family's name. A program's selection does not report
    // FamilyChanged.
    void SelectFamily(const QString& family);
    // As SelectFamily, but the first entry is selected when the list lacks the family.
    void SelectFamilyOrFirst(const QString& family);

signals:
    // The user picked a family (the selection field already fits it).
    void FamilyChanged(const QString& family);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct TRenderedName {
        int ItemHeight = 0;
        QImage Picture; // index 0 transparent, 1 ink
    };

    const TRenderedName& Rendered(int index) const;
    TRenderedName Render(const QString& family) const;
    // cmbFontChange, first step: the selection field as high as the selected item.
    void FitSelectionField();
    // Names the font's family when the list shows another entry, or none.
    void ShowFamilyHint();

    QString FFamily;
    mutable TFontEngine FEngine{false};
    mutable std::map<QString, TRenderedName> FRendered;
};
