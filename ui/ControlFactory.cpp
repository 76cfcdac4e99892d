#include "ui/ControlFactory.h"

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
