#include "ui/ControlFactory.h"

#include <algorithm>

#include <QToolButton>

QToolButton* PictureButton(QWidget* parent, const char* name, TIcon icon, const QString& hint)
{
    auto* button = Named(new QToolButton(parent), name);
    MakePictureButton(button, icon);
    button->setToolTip(hint);
    return button;
}

void MakePictureButton(QToolButton* button, TIcon icon)
{
    button->setFixedSize(PictureButtonSize, PictureButtonSize);
    button->setIcon(MakeIcon(icon));
    button->setIconSize(QSize(IconSize, IconSize));
}

void GrowToContents(QWidget* widget)
{
    const QSize needed = widget->sizeHint();
    widget->resize(std::max(widget->width(), needed.width()), std::max(widget->height(), needed.height()));
}
