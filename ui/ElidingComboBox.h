#pragma once
// A drop-down list for items longer than the box. The closed box shows the chosen item's first
// word and as much of its end as fits, so items that differ at either end stay apart ("4 color
// ...(NEW mode)", "ISO-8859-15 ...Euro)"); the open list, which Qt makes as wide as its longest
// item, and the tooltip show whole items.

#include <QComboBox>
#include <QString>

class TElidingComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TElidingComboBox(QWidget* parent = nullptr);

    // What the closed box shows of the chosen item.
    QString DisplayedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int LabelWidth() const;
};
