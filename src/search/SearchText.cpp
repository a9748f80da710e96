#include "search/SearchText.h"

#include "time/ReadableText.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <cmath>

namespace {
bool IsBlank(QChar c) {
    return c.unicode() <= ' ';
}

// From an opening double quote: the quoted text with doubled quotes made single; `i` ends
// after the closing quote (or at the end when there is none).
QString QuotedItem(const QString& text, qsizetype& i) {
    QString item;
    ++i;
    while (i < text.size()) {
        if (text[i] == QLatin1Char('"')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                item += QLatin1Char('"');
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        item += text[i++];
    }
    return item;
}

QStringList TagItems(const QString& text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('\n'));
    QStringList items;
    for (QString line : t.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        for (QChar c : {QChar('\''), QChar('"'), QChar('@'), QChar('%')})
            line.remove(c);
        items << line;
    }
    return items;
}

double ScreenDpi(double dpi) {
    if (dpi > 0)
        return dpi;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return screen->logicalDotsPerInch();
    return 96.0;
}

bool ReadNumber(const QString& text, double& value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    value = locale.toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value);
}
} // namespace

QStringList SplitDelimited(const QString& text, QChar delimiter) {
    QStringList items;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    while (i < n) {
        QString item;
        if (text[i] == QLatin1Char('"')) {
            item = QuotedItem(text, i);
        } else {
            const qsizetype start = i;
            while (i < n && !IsBlank(text[i]) && text[i] != delimiter)
                ++i;
            item = text.mid(start, i - start);
        }
        items << item;
        while (i < n && IsBlank(text[i]))
            ++i;
        if (i < n && text[i] == delimiter) {
            if (i + 1 == n)
                items << QString();
            do {
                ++i;
            } while (i < n && IsBlank(text[i]));
        }
    }
    return items;
}

QString JoinDelimited(const QStringList& items) {
    QStringList out;
    for (const QString& item : items) {
        bool quote = item.isEmpty();
        for (QChar c : item)
            quote = quote || IsBlank(c) || c == QLatin1Char(',') || c == QLatin1Char('"');
        if (!quote) {
            out << item;
            continue;
        }
        QString q = item;
        q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        out << QLatin1Char('"') + q + QLatin1Char('"');
    }
    return out.join(QLatin1Char(','));
}

TKeywords SplitKeywords(const QString& text) {
    const QStringList items = SplitDelimited(text, QLatin1Char(','));
    TKeywords k;
    if (items.size() > 0)
        k.K1 = items[0].trimmed();
    if (items.size() > 1)
        k.K2 = items[1].trimmed();
    if (items.size() > 2)
        k.K3 = items[2].trimmed();
    return k;
}

QString NormaliseTags(const QString& text) {
    QString result;
    for (const QString& item : TagItems(text))
        if (!item.isEmpty())
            result += item + QStringLiteral(", ");
    return result;
}

QString TagsClause(const QString& tags) {
    QStringList conditions;
    for (const QString& item : TagItems(tags))
        if (!item.isEmpty())
            conditions << QStringLiteral("( str1 like '%") + item + QStringLiteral(", %' )");
    if (conditions.isEmpty())
        return {};
    return QStringLiteral(" and ( ") + conditions.join(QStringLiteral(" or ")) + QStringLiteral(" ) ");
}

QString GroupsClause(const QStringList& groups) {
    if (groups.isEmpty())
        return {};
    QStringList conditions;
    for (const QString& g : groups)
        conditions << QStringLiteral("(B.Name = '") + QuoteDoubled(g) + QStringLiteral("')");
    return QStringLiteral(" and (") + conditions.join(QStringLiteral(" or ")) + QStringLiteral(") ");
}

QString QuoteDoubled(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return t;
}

QString StripPlural(const QString& word) {
    if (word.endsWith(QLatin1Char('s')) || word.endsWith(QLatin1Char('S')))
        return word.left(word.size() - 1);
    return word;
}

bool ParseSearchText(const QString& text, QString& keywords, double& low, double& high) {
    keywords.clear();
    if (text.trimmed().isEmpty())
        return false;
    QStringList tokens = SplitDelimited(text, QLatin1Char(' '));
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    digits.remove(QLatin1Char('-'));
    double probe = 0;
    if (!ReadNumber(digits, probe) || probe == -1) {
        // A lone dash is a range sign, never a keyword.
        for (const QString& token : tokens)
            if (token != QLatin1String("-"))
                keywords = JoinRange(keywords, StripPlural(token), QStringLiteral(" "));
        return false;
    }
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        QString token = tokens[i];
        if (token.isEmpty() || token == QLatin1String("-"))
            continue;
        // A dash after a digit separates two numbers; a leading dash is a minus sign.
        for (qsizetype j = 1; j < token.size(); ++j)
            if (token[j] == QLatin1Char('-') && token[j - 1].isDigit()) {
                tokens.insert(i + 1, token.mid(j + 1));
                token = token.left(j);
                break;
            }
        double value = 0;
        if (!ReadNumber(token, value))
            continue;
        if (low == NoRangeValue)
            low = value;
        else if (high == NoRangeValue)
            high = value;
    }
    if (low > high)
        std::swap(low, high);
    return true;
}

QString SearchDescription(const QString& nameText, const QString& descText, const QStringList& groups,
                          bool rangeUsed) {
    QString d;
    const auto separate = [&d] {
        if (!d.isEmpty())
            d += QStringLiteral(", ");
    };
    if (!nameText.isEmpty())
        d += QLatin1Char('"') + nameText + QLatin1Char('"');
    if (!descText.isEmpty()) {
        separate();
        d += QStringLiteral("(description) \"") + descText + QLatin1Char('"');
    }
    if (rangeUsed) {
        separate();
        d += QStringLiteral("date range");
    }
    if (!groups.isEmpty()) {
        separate();
        d += QStringLiteral("group(s)");
    }
    return d.isEmpty() ? d : QStringLiteral("Search: ") + d;
}

double PixelsToCm(int pixels, double dpi) {
    return std::round(2.54 / ScreenDpi(dpi) * pixels * 10.0) / 10.0;
}

int CmToPixels(double cm, double dpi) {
    return int(std::lround(cm / (2.54 / ScreenDpi(dpi))));
}
