#include "ui/ElidingComboBox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {

QString ElideKeepingFirstWord(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    // The first word; one of a single character ("4 color") takes the next word with it.
    const qsizetype space = text.indexOf(QLatin1Char(' '), 2);
    const QString head = space > 0 ? text.left(space + 1) : QString();
    // A first word that leaves too little room for the end: the end goes instead.
    if (head.isEmpty() || metrics.horizontalAdvance(head) > width * 2 / 3)
        return metrics.elidedText(text, Qt::ElideRight, width);
    return head + metrics.elidedText(text.mid(head.size()), Qt::ElideLeft, width - metrics.horizontalAdvance(head));
}

} // namespace

TElidingComboBox::TElidingComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] { setToolTip(currentText()); });
}

int TElidingComboBox::LabelWidth() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The style draws the label one pixel in from each side of the edit field.
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width() - 2;
}

QString TElidingComboBox::DisplayedText() const
{
    return ElideKeepingFirstWord(currentText(), fontMetrics(), LabelWidth());
}

void TElidingComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = DisplayedText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
