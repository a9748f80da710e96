#include "common/GroupFontText.h"

#include "common/ColourText.h"
#include "common/Errors.h"

#include <QStringList>

namespace {
// Splits a comma-separated list in which an item may be enclosed in double quotes (a doubled
// quote inside stands for one).
QStringList SplitQuotedList(const QString& text) {
    QStringList items;
    QString item;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    item += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                item += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            items << item;
            item.clear();
        } else {
            item += c;
        }
    }
    items << item;
    return items;
}
} // namespace

QString GroupFontToText(const TFontSpec& font) {
    QString text = QStringLiteral("\"%1\",%2pt").arg(font.Name).arg(font.Size);
    if (font.Bold)
        text += QStringLiteral(",Bold");
    if (font.Italic)
        text += QStringLiteral(",Italic");
    if (font.Underline)
        text += QStringLiteral(",Underline");
    if (font.StrikeOut)
        text += QStringLiteral(",Strikeout");
    return text + QLatin1Char(',') + ColorToText(font.Color);
}

TFontSpec TextToGroupFont(const QString& text) {
    const QStringList items = SplitQuotedList(text);
    if (items.size() < 3)
        throw EVzError(QStringLiteral("'%1' is not a valid font").arg(text));
    TFontSpec font;
    font.Name = items[0];
    bool ok = false;
    font.Size = items[1].left(items[1].size() - 2).trimmed().toInt(&ok);
    if (!ok)
        throw EVzError(QStringLiteral("'%1' is not a valid integer value")
                           .arg(items[1].left(items[1].size() - 2)));
    for (const QString& item : items) {
        const QString word = item.trimmed();
        font.Bold |= word.compare(QLatin1String("Bold"), Qt::CaseInsensitive) == 0;
        font.Italic |= word.compare(QLatin1String("Italic"), Qt::CaseInsensitive) == 0;
        font.Underline |= word.compare(QLatin1String("Underline"), Qt::CaseInsensitive) == 0;
        font.StrikeOut |= word.compare(QLatin1String("StrikeOut"), Qt::CaseInsensitive) == 0;
    }
    font.Color = TextToColor(items.last().trimmed());
    return font;
}
