#include "search/SearchFormPersistence.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QSettings>

class SearchFormPersistenceTest : public ::testing::Test {
protected:
    void SetUp() override { persistence.Delete(); }
    void TearDown() override { persistence.Delete(); }
    TSearchFormPersistence persistence;
};

TEST_F(SearchFormPersistenceTest, FieldsRoundTripUnderTheSearchFrmGroup) {
    TSearchFormPersistence::TValues v;
    v.DateRangeUsed = true;
    v.Date1 = "1914";
    v.Date2 = "1918";
    v.RealDate1 = QDate(1914, 7, 28);
    v.RealDate2 = QDate(1918, 11, 11);
    v.NameKeywords = "war";
    v.DescKeywords = "trench";
    v.Groups = {"Wars", "Kings and Queens"};
    v.Tags = " history ,war";
    persistence.Save(v);

    QSettings raw("Corvane", "Vezizivu");
    EXPECT_EQ(raw.value("SearchFrm/DateRangeUsed").toString(), "yes");
    EXPECT_EQ(raw.value("SearchFrm/RealDate1").toString(), "28/07/1914");
    EXPECT_EQ(raw.value("SearchFrm/Groups").toString(), "Wars,\"Kings and Queens\"");
    EXPECT_EQ(raw.value("SearchFrm/Tags").toString(), "history, war, ");

    const TSearchFormPersistence::TValues back = persistence.Load();
    EXPECT_TRUE(back.DateRangeUsed);
    EXPECT_EQ(back.Date1, "1914");
    EXPECT_EQ(back.Date2, "1918");
    EXPECT_EQ(back.RealDate1, v.RealDate1);
    EXPECT_EQ(back.RealDate2, v.RealDate2);
    EXPECT_EQ(back.NameKeywords, "war");
    EXPECT_EQ(back.DescKeywords, "trench");
    EXPECT_EQ(back.Groups, v.Groups);
    EXPECT_EQ(back.Tags, "history, war, ");

    // A picker left empty forgets its date; anything but "yes" is no range.
    v.RealDate2 = QDate();
    persistence.Save(v);
    raw.sync();
    EXPECT_FALSE(raw.contains("SearchFrm/RealDate2"));
    raw.setValue("SearchFrm/DateRangeUsed", "YES");
    raw.sync();
    EXPECT_TRUE(persistence.Load().DateRangeUsed) << "read without regard to case";
    raw.setValue("SearchFrm/DateRangeUsed", "1");
    raw.sync();
    EXPECT_FALSE(persistence.Load().DateRangeUsed);

    persistence.Delete();
    raw.sync();
    EXPECT_FALSE(raw.childGroups().contains("SearchFrm"));
    const TSearchFormPersistence::TValues empty = persistence.Load();
    EXPECT_FALSE(empty.DateRangeUsed);
    EXPECT_TRUE(empty.NameKeywords.isEmpty());
    EXPECT_TRUE(empty.Groups.isEmpty());
    EXPECT_FALSE(empty.RealDate1.isValid());
}
