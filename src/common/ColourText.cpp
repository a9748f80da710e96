#include "common/ColourText.h"

#include "common/Errors.h"

#include <array>

namespace {
struct TNamedColour {
    const char* Name;
    TColor Value;
};

constexpr std::array<TNamedColour, 52> kNames = {{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0xFF00000A},
    {"clActiveCaption", 0xFF000002},
    {"clAppWorkSpace", 0xFF00000C},
    {"clBackground", 0xFF000001},
    {"clBtnFace", 0xFF00000F},
    {"clBtnHighlight", 0xFF000014},
    {"clBtnShadow", 0xFF000010},
    {"clBtnText", 0xFF000012},
    {"clCaptionText", 0xFF000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A},
    {"clInactiveBorder", 0xFF00000B},
    {"clInactiveCaption", 0xFF000003},
    {"clInactiveCaptionText", 0xFF000013},
    {"clInfoBk", 0xFF000018},
    {"clInfoText", 0xFF000017},
    {"clMenu", 0xFF000004},
    {"clMenuBar", 0xFF00001E},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuText", 0xFF000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0xFF000000},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clWindowText", 0xFF000008},
}};

// Classic desktop values of the system colours, by index.
constexpr std::array<TColor, 31> kSystem = {
    RgbColour(200, 200, 200), RgbColour(0, 0, 0),       RgbColour(153, 180, 209),
    RgbColour(191, 205, 219), RgbColour(240, 240, 240), RgbColour(255, 255, 255),
    RgbColour(100, 100, 100), RgbColour(0, 0, 0),       RgbColour(0, 0, 0),
    RgbColour(0, 0, 0),       RgbColour(180, 180, 180), RgbColour(244, 247, 252),
    RgbColour(171, 171, 171), RgbColour(0, 120, 215),   RgbColour(255, 255, 255),
    RgbColour(240, 240, 240), RgbColour(160, 160, 160), RgbColour(109, 109, 109),
    RgbColour(0, 0, 0),       RgbColour(0, 0, 0),       RgbColour(255, 255, 255),
    RgbColour(105, 105, 105), RgbColour(227, 227, 227), RgbColour(0, 0, 0),
    RgbColour(255, 255, 225), RgbColour(0, 0, 0),       RgbColour(0, 102, 204),
    RgbColour(185, 209, 234), RgbColour(215, 228, 242), RgbColour(0, 120, 215),
    RgbColour(240, 240, 240),
};
} // namespace

QString ColorToText(TColor colour) {
    for (const TNamedColour& n : kNames)
        if (n.Value == colour)
            return QString::fromLatin1(n.Name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

TColor TextToColor(const QString& text) {
    for (const TNamedColour& n : kNames)
        if (text.compare(QLatin1String(n.Name), Qt::CaseInsensitive) == 0)
            return n.Value;
    const QString t = text.trimmed();
    bool ok = false;
    qint64 value = 0;
    if (t.startsWith(QLatin1Char('$')))
        value = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = t.mid(2).toLongLong(&ok, 16);
    else
        value = t.toLongLong(&ok, 10);
    // A 32-bit integer, negative values taken as their bit pattern.
    if (!ok || value < -2147483648LL || value > 0xFFFFFFFFLL)
        throw EVzError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return TColor(quint32(value));
}

QColor ToQColor(TColor colour) {
    if (colour == clNone)
        return QColor(0, 0, 0, 0);
    if (colour == clDefault)
        return QColor(0, 0, 0);
    if ((colour & 0xFF000000u) == 0xFF000000u) {
        const quint32 index = colour & 0xFFu;
        colour = index < kSystem.size() ? kSystem[index] : clBlack;
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

TColor FromQColor(const QColor& colour) {
    return RgbColour(colour.red(), colour.green(), colour.blue());
}
