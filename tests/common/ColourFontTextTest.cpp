#include "common/ColourText.h"
#include "common/Errors.h"
#include "common/FontText.h"
#include "common/TextEncoding.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

TEST(ColourText, NamesForTableColoursAndHexForOthers) {
    const struct {
        TColor Value;
        const char* Text;
    } cases[] = {
        {0x000000FF, "clRed"},       {RgbColour(1, 2, 3), "$00030201"}, {0x00FFFF00, "clAqua"},
        {0xFF00000F, "clBtnFace"},   {0x1FFFFFFF, "clNone"},            {0x20000000, "clDefault"},
        {0x00ABCDEF, "$00ABCDEF"},   {0xFF0000FF, "$FF0000FF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorToText(c.Value), QString::fromLatin1(c.Text));
        EXPECT_EQ(TextToColor(QString::fromLatin1(c.Text)), c.Value) << c.Text;
    }
}

TEST(ColourText, ReadsNamesInAnyCaseAndIntegerForms) {
    EXPECT_EQ(TextToColor("CLWHITE"), clWhite);
    EXPECT_EQ(TextToColor("clskyblue"), 0x00F0CAA6u);
    EXPECT_EQ(TextToColor("255"), 0x000000FFu);
    EXPECT_EQ(TextToColor("$ff"), 0x000000FFu);
    EXPECT_EQ(TextToColor("-16777201"), 0xFF00000Fu) << "a system colour stored as a signed number";
}

TEST(ColourText, RefusesOtherTexts) {
    for (const char* text : {"", "red", "$", "12ab", "$1FFFFFFFF", "cl Red"}) {
        try {
            TextToColor(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted " << text;
        } catch (const EVzError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

TEST(FontText, SettingsFormRoundTrips) {
    const TFontDef arial{"Arial", 12, true, false, false, false, clBlack};
    EXPECT_EQ(FontToText(arial), "\"Arial\", 12, [Bold], [clBlack]");
    const TFontDef all{"Times New Roman", 9, true, true, true, true, RgbColour(1, 2, 3)};
    EXPECT_EQ(FontToText(all), "\"Times New Roman\", 9, [Bold|Italic|Underline|Strikeout], [$00030201]");
    const TFontDef plain{"DejaVu Sans", 8, false, false, false, false, clWhite};
    EXPECT_EQ(FontToText(plain), "\"DejaVu Sans\", 8, [], [clWhite]");
    for (const TFontDef& f : {arial, all, plain}) {
        TFontDef read;
        TextToFont(FontToText(f), read);
        EXPECT_EQ(read, f) << FontToText(f).toStdString();
    }
}

TEST(FontText, StylesAreFoundAfterABar) {
    TFontDef f;
    TextToFont("\"Arial\", 10, [Italic|Bold], [clRed]", f);
    EXPECT_TRUE(f.Bold);
    EXPECT_TRUE(f.Italic);
    EXPECT_FALSE(f.Underline);
    EXPECT_EQ(f.Color, clRed);
    TextToFont("\"Arial\", 10, [NotBold], [clRed]", f);
    EXPECT_FALSE(f.Bold) << "a style counts only as a whole item of the list";
}

TEST(FontText, ACommaInTheFaceIsDroppedSoTheTextStaysReadable) {
    TFontDef f{"Odd, Face", 11, false, true, false, false, clBlack};
    TFontDef read;
    TextToFont(FontToText(f), read);
    EXPECT_EQ(read.Name, "Odd Face");
    EXPECT_EQ(read.Size, 11);
    EXPECT_TRUE(read.Italic);
}

TEST(FontText, UnreadableTextsFailAndLeaveTheFont) {
    const TFontDef before{"Arial", 12, true, false, false, false, clBlack};
    for (const char* text : {"\"Arial\", twelve, [Bold], [clBlack]", "\"Arial\", 12, [Bold], [pink]", "Arial"}) {
        TFontDef f = before;
        EXPECT_THROW(TextToFont(QString::fromLatin1(text), f), EVzError) << text;
        EXPECT_EQ(f, before);
    }
}

TEST(FontText, GroupFormRoundTripsAndReadsStylesInAnyCase) {
    const TFontDef sans{"MS Sans Serif", 8, true, false, false, false, clBlack};
    EXPECT_EQ(GroupFontToText(sans), "\"MS Sans Serif\",8pt,Bold,clBlack");
    EXPECT_EQ(GroupTextToFont(GroupFontToText(sans)), sans);
    const TFontDef plain{"Arial", 14, false, false, false, false, RgbColour(1, 2, 3)};
    EXPECT_EQ(GroupFontToText(plain), "\"Arial\",14pt,$00030201") << "no style items for a plain font";
    for (const char* strike : {"Strikeout", "StrikeOut", "strikeout"})
        EXPECT_TRUE(GroupTextToFont(QStringLiteral("\"Arial\",10pt,%1,clRed").arg(strike)).StrikeOut);
    EXPECT_THROW(GroupTextToFont("\"Arial\",tenpt,clRed"), EVzError);
}

TEST(TextEncoding, Utf8OrWindows1252) {
    EXPECT_EQ(DecodeTextFile(QString("Caf\u00e9 \u4e2d").toUtf8()), QString("Caf\u00e9 \u4e2d"));
    EXPECT_EQ(DecodeTextFile(QByteArray("\xEF\xBB\xBFName")), "Name") << "byte-order mark skipped";
    EXPECT_EQ(DecodeTextFile(QByteArray("Caf\xE9 \x80 \x96")), QString("Caf\u00e9 \u20ac \u2013"));
}
