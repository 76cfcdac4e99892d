#pragma once
// The "Font Tools" page: one button per open, import, save and export command, each naming its
// form in the format table, and the sample text drawn with the font in hand.

#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPixmap;
class QScrollArea;
struct TFontFormat;

class TToolsPage : public QWidget {
    Q_OBJECT

public:
    explicit TToolsPage(QWidget* parent = nullptr);

    // The sample area grows with the page.
    void FitSampleImage(int windowWidth, int pageHeight);
    // The sample area's size; a picture taller than it scrolls.
    QSize SampleAreaSize() const;
    int ScrollBarWidth() const;
    void ShowSample(const QPixmap& picture);

    QLineEdit* edSampleText = nullptr;
    QLabel* lblSampleTextWinInfo = nullptr;
    QLabel* imgSampleText = nullptr;

private:
    QScrollArea* FSampleArea = nullptr;

signals:
    // A command's button: the dialog's title and the form it reads or writes.
    void OpenFontClicked(const QString& title, const TFontFormat* format);
    void SaveFontClicked(const QString& title, const TFontFormat* format);
};
