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

    // Selects the entry equal to Family, or none when there is none; a program's selection
    // does not report FamilyChanged.
    void SelectFamily(const QString& family);

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

    mutable TFontEngine FEngine{false};
    mutable std::map<QString, TRenderedName> FRendered;
};
