#pragma once
// Small makers the window's pages share: named controls and the square picture buttons.

#include <QString>
#include <QWidget>

#include "ui/Icons.h"

class QToolButton;

constexpr int PictureButtonSize = 28;

template <class T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QToolButton* PictureButton(QWidget* parent, const char* name, TIcon icon, const QString& hint);
// The same look for a button made elsewhere.
void MakePictureButton(QToolButton* button, TIcon icon);
