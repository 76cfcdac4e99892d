// Every translation finished, with the placeholders of its English text.

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// Qt's %1..%99 and %n in any order; printf's conversions in their order. A bare width is read
// as Qt's, so that "%1x" stays a placeholder and an x.
QString Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(
        QStringLiteral(R"(%%|(?<printf>%(?:[-+ #0]+\d*|\*)?(?:\.(?:\d+|\*))?(?:hh|h|ll|l|L|z|j|t)?)"
                       R"([diouxXeEfgGcsp])|%L?(?:\d{1,2}|n))"));
    QStringList qt;
    QStringList printf;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        (match.hasCaptured(u"printf") ? printf : qt).push_back(match.captured(0));
    std::sort(qt.begin(), qt.end());
    return qt.join(QLatin1Char(' ')) + QStringLiteral(" | ") + printf.join(QLatin1Char(' '));
}

// Names, notations (4x, 0x, U+), placeholders, file patterns, numbers and punctuation read the same
// in every language.
bool IsNameOnly(QString text)
{
    static const QRegularExpression names(QStringLiteral(
        R"(%\d+x|0x|U\+|GlyphForgeTool|glyphforgetool|glyphforge|Mediatek|FonTool|BDF|BMP|MTF|TXT|Unicode|\*\.\w+|%L?\w)"));
    return !text.remove(names).contains(QRegularExpression(QStringLiteral(R"(\p{L})")));
}

} // namespace

TEST(Translations, EveryEntryIsTranslatedWithItsPlaceholders)
{
    const QDir folder(QStringLiteral(GLYPHFORGE_SOURCE_DIR "/translations"));
    const QStringList files = folder.entryList({QStringLiteral("glyphforgetool_*.ts")}, QDir::Files);
    ASSERT_EQ(files.size(), 5);
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&file);
        QString context, source;
        int forms = 0;
        std::set<int> numerusForms; // the form counts of the numerus messages: one for the language
        const auto fail = [&](const std::string& what) {
            ADD_FAILURE() << name.toStdString() << ": " << context.toStdString() << ": \"" << source.toStdString()
                          << "\": " << what;
        };
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            const auto attribute = [&](const char* key) {
                return xml.attributes().value(QLatin1String(key)).toString();
            };
            if (xml.isStartElement() && xml.name() == u"TS")
                EXPECT_EQ(QStringLiteral("glyphforgetool_%1.ts").arg(attribute("language")), name);
            else if (xml.isStartElement() && xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == u"source")
                source = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == u"translation" && !attribute("type").isEmpty())
                fail(attribute("type").toStdString());
            else if (xml.isStartElement() && xml.name() == u"message")
                forms = attribute("numerus") == QLatin1String("yes") ? 0 : -1;
            else if (xml.isEndElement() && xml.name() == u"message" && forms >= 0)
                numerusForms.insert(forms);
            else if (xml.isStartElement() &&
                     (xml.name() == u"numerusform" || (xml.name() == u"translation" && forms < 0))) {
                forms += forms >= 0;
                const QString form = xml.readElementText();
                if (form.isEmpty())
                    fail("empty translation");
                else if (form == source && !IsNameOnly(form))
                    fail("left in English");
                else if (Placeholders(form) != Placeholders(source))
                    fail("placeholders " + Placeholders(form).toStdString() + " instead of " +
                         Placeholders(source).toStdString());
            }
        }
        EXPECT_FALSE(xml.hasError()) << name.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_LE(numerusForms.size(), 1u) << name.toStdString() << ": numerus messages differ in their form count";
    }
}
