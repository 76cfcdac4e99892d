#include "ui/CoreText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "font/CoreText.h"

// The core speaks English and only remembers the patterns it used. A finished message is matched
// against them, its pieces are put into the translated pattern, and pieces that are core texts
// themselves (a reason inside a message) are translated in turn.

namespace {

const QRegularExpression& PrintfPlaceholder()
{
    static const QRegularExpression placeholder(
        QStringLiteral("%(?:%|[-+ #0]*\\d*(?:\\.\\d+)?(?:hh|h|ll|l|z|j|t)?[diouxXeEfgGcsp])"));
    return placeholder;
}

struct TPattern {
    QString Context;
    QString Source;
    QRegularExpression Match; // the whole text, each placeholder a group
    qsizetype Literals = 0;   // characters outside placeholders: more is more specific
    std::vector<bool> Quoted; // a quoted piece is a name (a file, a family), never translated
};

TPattern MakePattern(const std::string& context, const std::string& source)
{
    TPattern pattern{QString::fromStdString(context), QString::fromStdString(source), {}, 0, {}};
    QString expression = QStringLiteral("\\A");
    qsizetype at = 0;
    for (const QRegularExpressionMatch& found : PrintfPlaceholder().globalMatch(pattern.Source)) {
        const QString literal = pattern.Source.mid(at, found.capturedStart() - at);
        expression += QRegularExpression::escape(literal);
        pattern.Literals += literal.size();
        if (found.captured() == QLatin1String("%%")) {
            expression += QStringLiteral("%");
        } else {
            expression += QStringLiteral("(.*)");
            const QChar before = found.capturedStart() > 0 ? pattern.Source[found.capturedStart() - 1] : QChar();
            pattern.Quoted.push_back(before == QLatin1Char('"') || before == QLatin1Char('\''));
        }
        at = found.capturedEnd();
    }
    const QString tail = pattern.Source.mid(at);
    expression += QRegularExpression::escape(tail) + QStringLiteral("\\z");
    pattern.Literals += tail.size();
    pattern.Match.setPattern(expression);
    pattern.Match.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

// The remembered patterns, most specific first; made again when the core has used new ones.
const std::vector<TPattern>& Patterns()
{
    static std::vector<TPattern> patterns;
    if (patterns.size() != RememberedCoreTextCount()) {
        patterns.clear();
        for (const auto& [context, source] : RememberedCoreTexts())
            patterns.push_back(MakePattern(context, source));
        std::stable_sort(patterns.begin(), patterns.end(),
                         [](const TPattern& a, const TPattern& b) { return a.Literals > b.Literals; });
    }
    return patterns;
}

QString Translate(const QString& text, int depth);

QString Fill(const TPattern& pattern, const QRegularExpressionMatch& match, int depth)
{
    const QString translated =
        QCoreApplication::translate(pattern.Context.toUtf8().constData(), pattern.Source.toUtf8().constData());
    QString result;
    qsizetype at = 0;
    int piece = 0;
    for (const QRegularExpressionMatch& found : PrintfPlaceholder().globalMatch(translated)) {
        result += translated.mid(at, found.capturedStart() - at);
        if (found.captured() == QLatin1String("%%"))
            result += QLatin1Char('%');
        else if (piece < match.lastCapturedIndex()) {
            const QString captured = match.captured(++piece);
            result += pattern.Quoted[static_cast<size_t>(piece - 1)] ? captured : Translate(captured, depth + 1);
        }
        at = found.capturedEnd();
    }
    return result + translated.mid(at);
}

QString TranslateWhole(const QString& text, int depth)
{
    for (const TPattern& pattern : Patterns()) {
        if (pattern.Literals == 0)
            continue; // a bare placeholder would match anything
        const QRegularExpressionMatch match = pattern.Match.match(text);
        if (match.hasMatch())
            return Fill(pattern, match, depth);
    }
    return text;
}

// Lists ("- " lines under a head) and sentences glued to one another are translated part by part.
QString Translate(const QString& text, int depth)
{
    if (depth > 4 || text.isEmpty())
        return text;
    const QString whole = TranslateWhole(text, depth);
    if (whole != text)
        return whole;
    if (text.contains(QLatin1Char('\n'))) {
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines) {
            const bool item = line.startsWith(QLatin1String("- "));
            line = item ? QStringLiteral("- ") + Translate(line.mid(2), depth + 1) : Translate(line, depth + 1);
        }
        return lines.join(QLatin1Char('\n'));
    }
    for (qsizetype stop = text.indexOf(QLatin1String(". ")); stop >= 0;
         stop = text.indexOf(QLatin1String(". "), stop + 1)) {
        const QString head = text.left(stop + 1);
        const QString rest = text.mid(stop + 2);
        const QString headDone = TranslateWhole(head, depth);
        const QString restDone = Translate(rest, depth + 1);
        if (headDone != head || restDone != rest)
            return headDone + QLatin1Char(' ') + restDone;
    }
    return text;
}

} // namespace

QString CoreText(const std::string& english)
{
    return Translate(QString::fromStdString(english), 0);
}
