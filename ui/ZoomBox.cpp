#include "ui/ZoomBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>

#include "ui/PreviewArea.h"

QComboBox* NewZoomBox(TPreviewArea* preview, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cmbZoom"));
    box->setToolTip(
        QCoreApplication::translate("TZoomBox", "Zoom (Ctrl + mouse wheel, Ctrl + plus, Ctrl + minus, Ctrl + 0)"));
    box->setFocusPolicy(Qt::NoFocus);
    for (int zoom = TPreviewArea::MinZoom; zoom <= TPreviewArea::MaxZoom; ++zoom)
        box->addItem(QCoreApplication::translate("TZoomBox", "%1x").arg(zoom), zoom);
    box->setCurrentIndex(preview->Zoom() - TPreviewArea::MinZoom);
    QObject::connect(box, &QComboBox::activated, preview,
                     [preview, box](int index) { preview->SetZoom(box->itemData(index).toInt()); });
    QObject::connect(preview, &TPreviewArea::ZoomChanged, box, [box](int zoom) {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(zoom - TPreviewArea::MinZoom);
    });
    return box;
}
