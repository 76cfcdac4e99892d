// The window in each shipped language: nothing cut off, and the data the same as in English.

#include <memory>
#include <string_view>
#include <tuple>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyleOption>
#include <QTabWidget>
#include <QToolButton>

#include "UiTestSupport.h"
#include "ui/ElidingComboBox.h"
#include "ui/LanguageChoice.h"

namespace {

const char* const Languages[] = {"en", "ru", "zh_CN", "fa", "vi", "ar"};

// The language as the program takes it from the desktop, from the built translations.
std::unique_ptr<TLanguageChoice> Choose(const char* language)
{
    auto choice = std::make_unique<TLanguageChoice>(QStringList{QString::fromLatin1(language)},
                                                    QStringLiteral(GLYPHFORGE_TRANSLATIONS_BUILD_DIR));
    EXPECT_EQ(choice->Language() == QLocale::English, std::string_view(language) == "en") << language;
    return choice;
}

// What a control needs to show its caption whole; empty for controls that show no caption or
// shorten theirs by design.
QSize Needed(const QWidget* control)
{
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        QStyleOptionGroupBox frame;
        frame.initFrom(group);
        const QSize title(group->fontMetrics().horizontalAdvance(group->title() + QLatin1Char(' ')), 1);
        return group->style()->sizeFromContents(QStyle::CT_GroupBox, &frame, title, group);
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
        const auto* label = qobject_cast<const QLabel*>(control);
        const QString caption = control->property(qobject_cast<const QGroupBox*>(control) ? "title" : "text").toString();
        const std::string name = QStringLiteral("%1 \"%2\" (%3)").arg(control->objectName(), caption,
                                                                      QLatin1String(language)).toStdString();
        const bool wraps = label && label->wordWrap();
        EXPECT_GE(control->width(), wraps ? 0 : needed.width()) << name;
        EXPECT_GE(control->height(), wraps ? label->heightForWidth(label->width()) : needed.height()) << name;
        ExpectInside(control, window);
    }
}

} // namespace

TEST(UiLanguage, EveryPageShowsEveryCaptionWholeInEveryLanguage)
{
    for (const char* language : Languages) {
        const auto chosen = Choose(language);
        TWindowFixture f;
        auto* pages = f.Find<QTabWidget>("pcMain");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            const auto inner = pages->widget(page)->findChild<QTabWidget*>();
            for (int tab = 0; tab < (inner ? inner->count() : 1); ++tab) {
                if (inner)
                    inner->setCurrentIndex(tab);
                QApplication::processEvents();
                ExpectNothingCutOff(f.Window.get(), language);
            }
        }
    }
}

TEST(UiLanguage, EveryLanguageProposesTheSameNameAndSavesTheSameBytes)
{
    QString englishName;
    QByteArray englishBytes;
    for (const char* language : Languages) {
        const auto chosen = Choose(language);
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
        const QByteArray bytes = saved.readAll();
        if (englishName.isEmpty())
            std::tie(englishName, englishBytes) = std::tie(name, bytes);
        EXPECT_EQ(name, englishName) << language;
        EXPECT_TRUE(bytes == englishBytes) << language;
    }
}
