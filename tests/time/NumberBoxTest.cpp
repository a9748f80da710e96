#include "time/ui/TMajorNumberBox.h"
#include "time/ui/TMinorNumberBox.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

TEST(TimeNumberBox, KeysOtherThanDigitsMinusAndBackspaceDoNothing) {
    TMajorNumberBox box;
    for (char c : {'a', ',', '.', ' ', '+', 'e'}) {
        QTest::keyClick(&box, c);
        EXPECT_EQ(box.text(), "") << c;
    }
    QTest::keyClicks(&box, "-1a2,3. 4");
    EXPECT_EQ(box.text(), "-1234");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "-123");
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), "123");
}

TEST(TimeNumberBox, ShortcutsKeepTheirMeaning) {
    TMinorNumberBox box;
    QTest::keyClicks(&box, "12");
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier); // select all
    QTest::keyClick(&box, '7');
    EXPECT_EQ(box.text(), "7");
}

TEST(TimeNumberBox, MaximumLengthsDefaultToTheMainWindowsAndCanBeSet) {
    TMajorNumberBox major;
    TMinorNumberBox minor;
    QTest::keyClicks(&major, "123456789012");
    QTest::keyClicks(&minor, "123456789012");
    EXPECT_EQ(major.text(), "1234567890");
    EXPECT_EQ(minor.text(), "123456789");
    minor.setMaxLength(10);
    QTest::keyClicks(&minor, "0");
    EXPECT_EQ(minor.text(), "1234567890");
    TTimeNumberBox wizard(9);
    EXPECT_EQ(wizard.maxLength(), 9);
}

} // namespace
