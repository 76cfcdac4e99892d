#pragma once
// The visible zoom control of the preview and the sample text: "1x" to "8x", in step with the
// preview's own zoom keys and wheel.

class QComboBox;
class QWidget;
class TPreviewArea;

QComboBox* NewZoomBox(TPreviewArea* preview, QWidget* parent);
