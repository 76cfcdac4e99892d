#pragma once
// Takes files dropped on a window or on any of its controls, also those that take dropped text
// themselves (the sample text), and hands them on from the event loop, so the program the
// files came from is not kept waiting on a question.

#include <QList>
#include <QObject>
#include <QUrl>

class QWidget;

class TFileDropGate : public QObject {
    Q_OBJECT

public:
    // Watches Window and every control it holds now.
    explicit TFileDropGate(QWidget* window);

signals:
    void Dropped(const QList<QUrl>& urls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
