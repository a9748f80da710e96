#include "common/ColourText.h"

#include "common/Errors.h"

#include <array>
#include <utility>

namespace {
struct TColourName {
    TColor Value;
    const char* Name;
};

// The desktop colours first, so a value shared by two names is written with the plain one.
constexpr std::array<TColourName, 52> kColourNames = {{
    {0x00000000, "clBlack"},
    {0x00000080, "clMaroon"},
    {0x00008000, "clGreen"},
    {0x00008080, "clOlive"},
    {0x00800000, "clNavy"},
    {0x00800080, "clPurple"},
    {0x00808000, "clTeal"},
    {0x00808080, "clGray"},
    {0x00C0C0C0, "clSilver"},
    {0x000000FF, "clRed"},
    {0x0000FF00, "clLime"},
    {0x0000FFFF, "clYellow"},
    {0x00FF0000, "clBlue"},
    {0x00FF00FF, "clFuchsia"},
    {0x00FFFF00, "clAqua"},
    {0x00FFFFFF, "clWhite"},
    {0x00C0DCC0, "clMoneyGreen"},
    {0x00F0CAA6, "clSkyBlue"},
    {0x00F0FBFF, "clCream"},
    {0x00A4A0A0, "clMedGray"},
    {0xFF00000A, "clActiveBorder"},
    {0xFF000002, "clActiveCaption"},
    {0xFF00000C, "clAppWorkSpace"},
    {0xFF000001, "clBackground"},
    {0xFF00000F, "clBtnFace"},
    {0xFF000014, "clBtnHighlight"},
    {0xFF000010, "clBtnShadow"},
    {0xFF000012, "clBtnText"},
    {0xFF000009, "clCaptionText"},
    {0x20000000, "clDefault"},
    {0xFF00001B, "clGradientActiveCaption"},
    {0xFF00001C, "clGradientInactiveCaption"},
    {0xFF000011, "clGrayText"},
    {0xFF00000D, "clHighlight"},
    {0xFF00000E, "clHighlightText"},
    {0xFF00001A, "clHotLight"},
    {0xFF00000B, "clInactiveBorder"},
    {0xFF000003, "clInactiveCaption"},
    {0xFF000013, "clInactiveCaptionText"},
    {0xFF000018, "clInfoBk"},
    {0xFF000017, "clInfoText"},
    {0xFF000004, "clMenu"},
    {0xFF00001E, "clMenuBar"},
    {0xFF00001D, "clMenuHighlight"},
    {0xFF000007, "clMenuText"},
    {0x1FFFFFFF, "clNone"},
    {0xFF000000, "clScrollBar"},
    {0xFF000015, "cl3DDkShadow"},
    {0xFF000016, "cl3DLight"},
    {0xFF000005, "clWindow"},
    {0xFF000006, "clWindowFrame"},
    {0xFF000008, "clWindowText"},
}};
} // namespace

QString ColorToText(TColor colour) {
    for (const TColourName& entry : kColourNames)
        if (entry.Value == colour)
            return QString::fromLatin1(entry.Name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

bool ColourFromName(const QString& name, TColor& colour) {
    const QString trimmed = name.trimmed();
    for (const TColourName& entry : kColourNames) {
        if (trimmed.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0) {
            colour = entry.Value;
            return true;
        }
    }
    return false;
}

bool ReadIntegerText(const QString& text, qint64& value) {
    QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (!(c.isDigit() || (base == 16 && QStringLiteral("abcdefABCDEF").contains(c))))
            return false;
    bool ok = false;
    const qulonglong magnitude = t.toULongLong(&ok, base);
    // Hexadecimal texts stand for 32-bit patterns; decimal ones for signed 32-bit values.
    if (!ok || magnitude > (base == 16 ? 0xFFFFFFFFull : 0x80000000ull))
        return false;
    if (!negative && base == 10 && magnitude > 0x7FFFFFFFull)
        return false;
    value = negative ? -qint64(magnitude) : qint64(magnitude);
    return true;
}

TColor TextToColor(const QString& text) {
    TColor colour = 0;
    if (ColourFromName(text, colour))
        return colour;
    qint64 value = 0;
    if (!ReadIntegerText(text, value))
        throw EVzError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return TColor(quint32(value));
}

namespace {
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
