#include "time/DateNumbers.h"
#include "time/ui/TDateEntry.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

class DateEntryTest : public ::testing::Test {
protected:
    TDateEntry entry;
    QSignalSpy changed{&entry, &TDateEntry::Changed};
};

TEST_F(DateEntryTest, StartsEmptyWhileHoldingADate) {
    EXPECT_TRUE(entry.IsEmpty());
    EXPECT_TRUE(entry.Date().isValid());
    EXPECT_EQ(entry.EnteredValue(), 0.0);
}

TEST_F(DateEntryTest, AnEmptyTextMeansNoDateWhateverTheDateHeld) {
    entry.SetDate(QDate(2001, 3, 21));
    EXPECT_EQ(entry.Text(), "21/03/2001");
    EXPECT_EQ(entry.EnteredValue(), 36971.0);
    entry.Clear();
    EXPECT_TRUE(entry.IsEmpty());
    EXPECT_EQ(entry.Date(), QDate(2001, 3, 21));
    EXPECT_EQ(entry.DateValue(), 36971.0);
    EXPECT_EQ(entry.EnteredValue(), 0.0);
    entry.SetDate(QDate());
    EXPECT_TRUE(entry.IsEmpty());
    EXPECT_EQ(entry.Date(), QDate(2001, 3, 21));
    EXPECT_EQ(changed.count(), 0); // set by the program, not the user
}

TEST_F(DateEntryTest, TypedDatesAreReadInTheShortDateFormat) {
    entry.SetDateValue(36971.0);
    entry.Editor()->clear();
    QTest::keyClicks(entry.Editor(), "5/3/1850");
    EXPECT_EQ(entry.Date(), QDate(1850, 3, 5));
    EXPECT_GT(changed.count(), 0);
    EXPECT_EQ(entry.EnteredValue(), DateToValue(QDate(1850, 3, 5)));
}

TEST_F(DateEntryTest, UnreadableTextRevertsWhenEditingEnds) {
    entry.SetDate(QDate(2001, 3, 21));
    QTest::keyClicks(entry.Editor(), "x");
    EXPECT_EQ(entry.Text(), "21/03/2001x");
    QTest::keyClick(entry.Editor(), Qt::Key_Return);
    EXPECT_EQ(entry.Text(), "21/03/2001");

    entry.Clear();
    QTest::keyClicks(entry.Editor(), "31/02");
    QTest::keyClick(entry.Editor(), Qt::Key_Return);
    EXPECT_TRUE(entry.IsEmpty());
    EXPECT_EQ(entry.Date(), QDate(2001, 3, 21));
}

TEST_F(DateEntryTest, TheCalendarSetsDateAndText) {
    entry.Clear();
    entry.ShowCalendar();
    QCalendarWidget* calendar = entry.Calendar();
    EXPECT_EQ(calendar->minimumDate(), QDate(1, 1, 1));
    Q_EMIT calendar->activated(QDate(1899, 12, 29));
    EXPECT_EQ(entry.Text(), "29/12/1899");
    EXPECT_EQ(entry.DateValue(), -1.0);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(calendar->window()->isVisible());
}

TEST_F(DateEntryTest, TypingCanBeTurnedOff) {
    entry.SetTypingAllowed(false);
    QTest::keyClicks(entry.Editor(), "21/03/2001");
    EXPECT_TRUE(entry.IsEmpty());
    entry.SetText("21/03/2001");
    EXPECT_EQ(entry.Date(), QDate(2001, 3, 21));
}

} // namespace
