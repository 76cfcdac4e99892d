#pragma once
// The shaped start-up window: an avatar and a status strip, everything else cut away.

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

class QLabel;

class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 241;
    static constexpr int ClientHeight = 104;

    explicit TfrmSplash(QWidget* parent = nullptr);

    const QString& StatusText() const { return FStatusText; }

protected:
    // Any visible point drags the window.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FormCreate();

    QLabel* imgAvatar;
    QLabel* imgTextBack;
    QLabel* lblStatus;
    QString FStatusText;
    QPoint FDragOffset;
};
