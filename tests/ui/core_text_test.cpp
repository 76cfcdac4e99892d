#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <map>

#include "font/BdfWarnings.h"
#include "font/CoreText.h"
#include "font/Format.h"
#include "font/MtkFont.h"
#include "ui/CoreText.h"

namespace {

// Stands in for a language's .qm file.
class TFakeTranslator : public QTranslator {
  public:
    std::map<QString, QString> Texts;
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const auto found = Texts.find(QString::fromUtf8(source));
        return found == Texts.end() ? QString() : found->second;
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST(UiCoreText, MessagesAreTranslatedPieceByPieceAndNamesStayAsTheyAre)
{
    const std::string notMediatek =
        TMtkFont::ErrorMessage(mfeNotMediatek, CORE_TEXT("CoreMessage", "Width table truncated"));
    const std::string opening = StrFormat(CORE_TEXT("CoreMessage", "Cannot open file \"%s\". %s"), "Smooth",
                                          CORE_TEXT("CoreMessage", "It is not a font file that can be read."));
    const std::string list =
        JoinWarnings(CORE_TEXT("CoreMessage", "The BDF font was imported, with these changes:"),
                     {"The file ends without ENDFONT: it may be cut short.", "a line of no pattern"});
    CORE_TEXT("CoreMessage", "The file ends without ENDFONT: it may be cut short.");
    CORE_TEXT("CoreName", "Smooth");
    for (const std::string& english : {notMediatek, opening, list, std::string("no core text at all")})
        EXPECT_EQ(CoreText(english).toStdString(), english) << "without a translation the English stays";

    TFakeTranslator language;
    language.Texts = {{"Not a Mediatek FON file.", "KEIN FON."},
                      {"Width table truncated", "Breiten kurz"},
                      {"Cannot open file \"%s\". %s", "Datei \"%s\" nicht offen. %s"},
                      {"It is not a font file that can be read.", "Keine Schrift."},
                      {"Smooth", "Weich"},
                      {"The BDF font was imported, with these changes:", "Eingelesen:"},
                      {"The file ends without ENDFONT: it may be cut short.", "Ohne ENDFONT."}};
    QCoreApplication::installTranslator(&language);
    EXPECT_EQ(CoreText(notMediatek), "KEIN FON. Breiten kurz");
    // A quoted piece is a file's name, even when it reads like a core text.
    EXPECT_EQ(CoreText(opening), "Datei \"Smooth\" nicht offen. Keine Schrift.");
    EXPECT_EQ(CoreText(list), "Eingelesen:\n- Ohne ENDFONT.\n- a line of no pattern");
    QCoreApplication::removeTranslator(&language);
}
