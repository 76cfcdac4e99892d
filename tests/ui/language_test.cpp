// The window in each shipped language: nothing cut off, and the data the same as in English.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QToolButton>

#include "UiTestSupport.h"
#include "ui/ElidingComboBox.h"
#include "ui/LanguageChoice.h"

namespace {

const char* const Languages[] = {"en", "ru", "zh_CN", "fa", "vi", "ar"};

// The language as the program would take it from the desktop, with the built translations.
struct TLanguageFixture {
    explicit TLanguageFixture(const char* language)
        : Choice({QString::fromLatin1(language)}, QStringLiteral(GLYPHFORGE_TRANSLATIONS_BUILD_DIR))
    {
        EXPECT_EQ(Choice.Language() == QLocale::English, QLatin1String(language) == QLatin1String("en"))
            << "no translation loaded for " << language;
    }
    TLanguageChoice Choice;
};

// What a control needs to show its caption whole; empty for controls that show no caption or
// shorten theirs by design.
QSize Needed(const QWidget* control)
{
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        const QFontMetrics metrics = group->fontMetrics();
        const QSize title(metrics.horizontalAdvance(group->title() + QLatin1Char(' ')), metrics.height());
        return group->style()->sizeFromContents(QStyle::CT_GroupBox, &option, title, group);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const auto* tool = qobject_cast<const QToolButton*>(control);
        const bool iconOnly = tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly;
        return button->text().isEmpty() || iconOnly ? QSize() : button->sizeHint();
    }
    if (qobject_cast<const QLabel*>(control) ||
        (qobject_cast<const QComboBox*>(control) && !qobject_cast<const TElidingComboBox*>(control)))
        return control->sizeHint();
    return {};
}

void ExpectNothingCutOff(const QWidget* window, const char* language)
{
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const QSize needed = Needed(control);
        if (!control->isVisible() || needed.isEmpty())
            continue;
        const std::string name = control->objectName().toStdString() + " (" + language + ")";
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name;
            continue;
        }
        EXPECT_GE(control->width(), needed.width()) << name;
        EXPECT_GE(control->height(), needed.height()) << name;
    }
}

} // namespace

TEST(UiLanguage, EveryPageShowsEveryCaptionWholeInEveryLanguage)
{
    for (const char* language : Languages) {
        const TLanguageFixture chosen(language);
        TWindowFixture f;
        auto* pages = f.Find<QTabWidget>("pcMain");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            for (QTabWidget* inner : pages->widget(page)->findChildren<QTabWidget*>())
                for (int tab = 0; tab < inner->count(); ++tab) {
                    inner->setCurrentIndex(tab);
                    QApplication::processEvents();
                    ExpectNothingCutOff(f.Window.get(), language);
                }
            QApplication::processEvents();
            ExpectNothingCutOff(f.Window.get(), language);
        }
    }
}

TEST(UiLanguage, EveryLanguageProposesTheSameNameAndSavesTheSameBytes)
{
    QString englishName;
    QByteArray englishBytes;
    for (const char* language : Languages) {
        const TLanguageFixture chosen(language);
        TWindowFixture f;
        // Typed in the language's own digits, the size is the same number.
        auto* size = f.Find<QSpinBox>("seFontSize");
        size->findChild<QLineEdit*>()->setText(size->locale().toString(13));
        size->interpretText();
        ASSERT_EQ(size->value(), 13) << language;

        f.Dialogs->FontSaveAnswers.push_back({f.Path(QStringLiteral("font.mtf")), true});
        f.Find<QToolButton>("btnSaveFon")->click();
        QFile saved(f.Path(QStringLiteral("font.mtf")));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << language;
        const QString name = f.Dialogs->FontSaveRequests.back().first.FileName;
        if (englishName.isEmpty()) {
            englishName = name;
            englishBytes = saved.readAll();
            continue;
        }
        EXPECT_EQ(name, englishName) << language;
        EXPECT_TRUE(saved.readAll() == englishBytes) << language;
    }
}
