// The search dialog driven as a user fills it: what it searches for and what it remembers.
#include "search/ui/TRangeEntryPanel.h"
#include "search/ui/TfrmAdvSearch.h"
#include "support/TestSupport.h"
#include "time/DateNumbers.h"
#include "time/ui/TDateEntry.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>

#include <optional>

class SearchDialogTest : public ::testing::Test {
protected:
    void SetUp() override { persistence.Delete(); }
    void TearDown() override { persistence.Delete(); }
    std::unique_ptr<TfrmAdvSearch> Make(TUnitSystem units = usYearsAndMonths) {
        return std::make_unique<TfrmAdvSearch>(QStringList{"Wars", "Kings", "Kings and Queens"},
                                               units, persistence,
                                               [this](const TAdvancedSearch& c) { ran = c; });
    }
    static void Check(QListWidget* list, int row, bool on) {
        list->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }

    TSearchFormPersistence persistence;
    std::optional<TAdvancedSearch> ran;
};

TEST_F(SearchDialogTest, NumberBoxesDecideTheRangeAndEveryGroupMeansNoGroupCondition) {
    auto dialog = Make();
    EXPECT_EQ(dialog->windowTitle(), "Search");
    EXPECT_FALSE(dialog->pnlRange->dtpStart->isVisibleTo(dialog.get()));
    EXPECT_TRUE(dialog->pnlRange->edtStart->isVisibleTo(dialog.get()));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dialog->lstGroups->item(i)->checkState(), Qt::Checked);

    struct TCase {
        const char *first, *second;
        bool range;
        double date1, date2;
    };
    const TCase cases[] = {
        {"1914", "1918", true, 1914, 1918},
        {"1914", "", true, 1914, NoRangeValue},  // open upward
        {"", "1918", false, NoRangeValue, 1918}, // no start: no range
        {"-", "", false, NoRangeValue, NoRangeValue},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " / " + c.second);
        dialog->pnlRange->edtStart->setText(c.first);
        dialog->pnlRange->edtEnd->setText(c.second);
        const TAdvancedSearch s = dialog->Criteria();
        EXPECT_EQ(s.UseRange, c.range);
        EXPECT_EQ(s.Date1, c.date1);
        EXPECT_EQ(s.Date2, c.date2);
        EXPECT_TRUE(s.Groups.isEmpty()) << "every group checked";
    }
    Check(dialog->lstGroups, 1, false);
    EXPECT_EQ(dialog->Criteria().Groups, (QStringList{"Wars", "Kings and Queens"}));
}

TEST_F(SearchDialogTest, CalendarDatesNeedBothPickers) {
    auto dialog = Make(usCalendarDates);
    EXPECT_TRUE(dialog->pnlRange->dtpStart->isVisibleTo(dialog.get()));
    EXPECT_FALSE(dialog->pnlRange->edtStart->isVisibleTo(dialog.get()));
    EXPECT_TRUE(dialog->pnlRange->dtpStart->Editor()->isReadOnly());
    dialog->pnlRange->dtpStart->SetDate(QDate(1914, 7, 28));
    EXPECT_FALSE(dialog->Criteria().UseRange) << "only a start date: no range restriction";
    dialog->pnlRange->dtpEnd->SetDate(QDate(1918, 11, 11));
    const TAdvancedSearch s = dialog->Criteria();
    EXPECT_TRUE(s.UseRange);
    EXPECT_EQ(s.Date1, DateToValue(QDate(1914, 7, 28)));
    EXPECT_EQ(s.Date2, DateToValue(QDate(1918, 11, 11)));
}

TEST_F(SearchDialogTest, OkSearchesAndTheNextDialogStartsWithTheSameFields) {
    {
        auto dialog = Make();
        dialog->edtName->setText("war");
        dialog->edtDesc->setText("trench");
        dialog->edtTags->setText(" history ,  war");
        dialog->pnlRange->edtStart->setText("1914");
        Check(dialog->lstGroups, 0, false);
        dialog->Apply();
        ASSERT_TRUE(ran.has_value());
        EXPECT_EQ(ran->NameText, "war");
        EXPECT_EQ(ran->DescText, "trench");
        EXPECT_EQ(ran->Tags, " history ,  war");
        EXPECT_TRUE(ran->UseRange);
        EXPECT_EQ(ran->Groups, (QStringList{"Kings", "Kings and Queens"}));
    }
    EXPECT_EQ(QSettings("Corvane", "Vezizivu").value("SearchFrm/DateRangeUsed").toString(), "yes");
    auto again = Make();
    EXPECT_EQ(again->edtName->text(), "war");
    EXPECT_EQ(again->edtDesc->text(), "trench");
    EXPECT_EQ(again->edtTags->text(), "history, war, ");
    EXPECT_EQ(again->pnlRange->edtStart->text(), "1914");
    EXPECT_EQ(again->lstGroups->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(again->lstGroups->item(2)->checkState(), Qt::Checked);

    // "Clear Form" empties everything and checks every group; opening a timeline deletes the
    // fields.
    Q_EMIT again->lnkClearForm->linkActivated("#");
    EXPECT_TRUE(again->edtName->text().isEmpty());
    EXPECT_TRUE(again->pnlRange->edtStart->text().isEmpty());
    EXPECT_EQ(again->lstGroups->item(0)->checkState(), Qt::Checked);
    persistence.Delete();
    EXPECT_TRUE(Make()->edtName->text().isEmpty());
}
