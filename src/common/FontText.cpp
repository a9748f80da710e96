#include "common/FontText.h"

#include "common/ColourText.h"
#include "common/Errors.h"

#include <QStringList>

namespace {
int ReadSize(const QString& text) {
    qint64 value = 0;
    if (!ReadIntegerText(text, value))
        throw EVzError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return int(value);
}

// A comma list whose items may be enclosed in double quotes (a doubled quote inside stands for
// one); blanks around unquoted items are dropped.
QStringList SplitCommaList(const QString& text) {
    QStringList items;
    QString item;
    bool quoted = false;
    bool wasQuoted = false;
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
            wasQuoted = true;
        } else if (c == QLatin1Char(',')) {
            items << (wasQuoted ? item : item.trimmed());
            item.clear();
            wasQuoted = false;
        } else {
            item += c;
        }
    }
    items << (wasQuoted ? item : item.trimmed());
    return items;
}
} // namespace

QString FontToText(const TFontDef& font) {
    QStringList styles;
    if (font.Bold)
        styles << QStringLiteral("Bold");
    if (font.Italic)
        styles << QStringLiteral("Italic");
    if (font.Underline)
        styles << QStringLiteral("Underline");
    if (font.StrikeOut)
        styles << QStringLiteral("Strikeout");
    QString face = font.Name;
    face.remove(QLatin1Char(','));
    return QStringLiteral("\"%1\", %2, [%3], [%4]")
        .arg(face, QString::number(font.Size), styles.join(QLatin1Char('|')), ColorToText(font.Color));
}

void TextToFont(const QString& text, TFontDef& font) {
    // The face: from the second character to the one before the first comma.
    const qsizetype firstComma = text.indexOf(QLatin1Char(','));
    const QString face = firstComma > 1 ? text.mid(1, firstComma - 2) : QString();
    QString rest = firstComma >= 0 ? text.mid(firstComma + 1) : QString();

    // The size: from the next blank to the next comma.
    const qsizetype blank = rest.indexOf(QLatin1Char(' '));
    const qsizetype sizeEnd = rest.indexOf(QLatin1Char(','), blank + 1);
    const QString sizeText = sizeEnd >= 0 ? rest.mid(blank + 1, sizeEnd - blank - 1) : rest.mid(blank + 1);
    const int size = ReadSize(sizeText);
    rest = sizeEnd >= 0 ? rest.mid(sizeEnd + 1) : QString();

    // The styles: between " [" and "]", up to the next comma.
    QString styles;
    const qsizetype open = rest.indexOf(QLatin1String(" ["));
    const qsizetype close = open >= 0 ? rest.indexOf(QLatin1Char(']'), open) : -1;
    if (open >= 0 && close > open)
        styles = rest.mid(open + 2, close - open - 2);
    const qsizetype styleEnd = rest.indexOf(QLatin1Char(','), close >= 0 ? close : 0);
    rest = styleEnd >= 0 ? rest.mid(styleEnd + 1) : QString();

    // The colour: between " [" and the final "]".
    const qsizetype colourOpen = rest.indexOf(QLatin1String(" ["));
    const qsizetype colourClose = rest.lastIndexOf(QLatin1Char(']'));
    const QString colourText = colourOpen >= 0 && colourClose > colourOpen
                                   ? rest.mid(colourOpen + 2, colourClose - colourOpen - 2)
                                   : rest.trimmed();
    const TColor colour = TextToColor(colourText);

    const QString flags = QLatin1Char('|') + styles;
    font.Name = face;
    font.Size = size;
    font.Bold = flags.contains(QLatin1String("|Bold"));
    font.Italic = flags.contains(QLatin1String("|Italic"));
    font.Underline = flags.contains(QLatin1String("|Underline"));
    font.StrikeOut = flags.contains(QLatin1String("|Strikeout"));
    font.Color = colour;
}

QString GroupFontToText(const TFontDef& font) {
    QString face = font.Name;
    face.replace(QLatin1Char('"'), QLatin1String("\"\""));
    QString text = QStringLiteral("\"%1\",%2pt").arg(face).arg(font.Size);
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

TFontDef GroupTextToFont(const QString& text) {
    const QStringList items = SplitCommaList(text);
    TFontDef font;
    font.Name = items.value(0);
    const QString size = items.value(1);
    font.Size = ReadSize(size.left(size.size() - 2));
    for (qsizetype i = 2; i + 1 < items.size(); ++i) {
        const QString& item = items[i];
        font.Bold |= item.compare(QLatin1String("Bold"), Qt::CaseInsensitive) == 0;
        font.Italic |= item.compare(QLatin1String("Italic"), Qt::CaseInsensitive) == 0;
        font.Underline |= item.compare(QLatin1String("Underline"), Qt::CaseInsensitive) == 0;
        font.StrikeOut |= item.compare(QLatin1String("StrikeOut"), Qt::CaseInsensitive) == 0;
    }
    font.Color = TextToColor(items.size() >= 3 ? items.last() : QString());
    return font;
}
