#include "AppFixture.h"

#include "app/ErrorReport.h"
#include "app/TimelineDocument.h"
#include "common/Errors.h"
#include "storage/IniFile.h"

#include <QRegularExpression>

using vztest::ReadAll;
using vztest::WriteAll;

void MakeTimelineFile(const QString& path, int events, const std::function<void(const TSettingsParts&)>& adjust) {
    TScriptedDialogs quiet;
    TDialogsScope scope(quiet);
    TTimelineDocument doc;
    ASSERT_TRUE(doc.File().NewTimeline());
    TdtmMain& dm = doc.Data();
    TSkipDateEntryScope skip(dm);
    dm.ffDB.Execute("BEGIN");
    for (int i = 1; i <= events; ++i)
        dm.ffDB.Execute("INSERT INTO Event (ID, Name, Start) VALUES (?1, ?2, ?3)",
                        {i, QStringLiteral("Event %1").arg(i), 20000.0 + i});
    dm.ffDB.Execute("COMMIT");
    if (adjust)
        adjust(doc.SettingsParts());
    ASSERT_TRUE(doc.File().WriteTimelineFile(path));
    quiet.SetDefaultAnswer(TMsgButton::No);
    doc.File().CloseTimeline();
}

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAccount();
        folder = vztest::NewTempFolder("doc") + "/";
        dialogs.SetDefaultAnswer(TMsgButton::No);
    }
    void TearDown() override { doc.File().CloseTimeline(); }
    QString Ini(const QString& key) {
        return TIniFile(doc.File().WorkingFolder() + "Vezizivu.ini").ReadString("General", key, "<missing>");
    }

    TScriptedDialogs dialogs;
    TDialogsScope dialogsScope{dialogs};
    TTimelineDocument doc;
    QString folder;
};

TEST_F(DocumentTest, PasswordSetSavedReopenedRefusedAndRemoved) {
    const QString path = folder + "Locked.tml";
    MakeTimelineFile(path, 2);
    ASSERT_TRUE(doc.File().OpenTimeline(path));

    dialogs.QueueInput("Secret");
    EXPECT_TRUE(doc.PasswordProtectionClicked(true));
    EXPECT_EQ(dialogs.Questions().back().Text, "Please enter a password:");
    EXPECT_EQ(dialogs.Questions().back().Caption, "Password Protection");
    EXPECT_TRUE(doc.Timeline().Modified()) << "a new password is a change to save";
    ASSERT_TRUE(doc.File().SaveTimeline(false));
    EXPECT_EQ(Ini("Checksum"), "Secret") << "kept as typed";
    ASSERT_TRUE(doc.File().CloseTimeline());
    EXPECT_FALSE(doc.HasPassword()) << "closing forgets the password";

    ASSERT_TRUE(doc.File().OpenTimeline(path));
    EXPECT_TRUE(doc.HasPassword());
    EXPECT_TRUE(doc.Data().tblEvent.ReadOnly());
    EXPECT_THROW(doc.Data().tblEvent.Insert(), EReadOnlyError);
    try {
        doc.Data().tblEvent.Edit();
        ADD_FAILURE() << "a locked table took an edit";
    } catch (const EReadOnlyError& e) {
        EXPECT_EQ(ErrorReportText(e), PasswordProtectedText());
    }

    for (const char* wrong : {"secret", "SECRET", ""}) {
        dialogs.QueueInput(wrong);
        EXPECT_TRUE(doc.PasswordProtectionClicked(false)) << "refused: " << wrong;
        EXPECT_EQ(dialogs.Shown().back().Text, "Incorrect.");
    }
    dialogs.QueueInputCancel();
    EXPECT_TRUE(doc.PasswordProtectionClicked(false));
    EXPECT_TRUE(doc.Data().tblEvent.ReadOnly());

    dialogs.QueueInput("Secret");
    EXPECT_FALSE(doc.PasswordProtectionClicked(false));
    EXPECT_EQ(dialogs.Questions().back().Text, "Please enter the password:");
    EXPECT_EQ(dialogs.Shown().back().Text, "Correct. Password protection removed.");
    EXPECT_FALSE(doc.Data().tblEvent.ReadOnly());
    EXPECT_NO_THROW(doc.Data().tblEvent.Edit());
    doc.Data().tblEvent.Cancel();
}

TEST_F(DocumentTest, AnEmptyOrCancelledPasswordLeavesTheTimelineOpen) {
    ASSERT_TRUE(doc.File().NewTimeline());
    dialogs.QueueInput("");
    EXPECT_FALSE(doc.PasswordProtectionClicked(true));
    dialogs.QueueInputCancel();
    EXPECT_FALSE(doc.PasswordProtectionClicked(true));
    EXPECT_FALSE(doc.Data().tblEvent.ReadOnly());
}

TEST_F(DocumentTest, PropertiesProtectAndChangeUnits) {
    ASSERT_TRUE(doc.File().NewTimeline());
    dialogs.QueueInput("pw");
    doc.ApplyProperties(true, usSteps);
    EXPECT_TRUE(doc.HasPassword());
    EXPECT_EQ(doc.Timeline().Units(), usSteps);
    EXPECT_EQ(doc.SettingsParts().Axis->Style, 1) << "leaving calendar dates sets axis style 1";
    EXPECT_EQ(doc.SettingsParts().Axis->Caption, "Steps") << "the caption follows the units";
    dialogs.QueueInput("PW");
    doc.ApplyProperties(false, usSteps);
    EXPECT_TRUE(doc.HasPassword());
    EXPECT_EQ(dialogs.Shown().back().Text, "Incorrect.");
    doc.ApplyProperties(true, usCalendarDates);
    EXPECT_EQ(doc.SettingsParts().Axis->Style, 3) << "back to calendar dates sets axis style 3";
}

TEST_F(DocumentTest, IdIsCreatedOnTheFirstSaveAndKept) {
    ASSERT_TRUE(doc.File().NewTimeline());
    EXPECT_EQ(doc.SettingsParts().Timeline->TimelineID, "");
    dialogs.QueueFileName(folder + "New.tml");
    ASSERT_TRUE(doc.File().SaveTimeline(false));
    const QString id = Ini("ID");
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d_\\d\\d-\\d{3}$").match(id).hasMatch()) << id.toStdString();
    doc.Timeline().SetModified(true);
    ASSERT_TRUE(doc.File().SaveTimeline(false));
    EXPECT_EQ(Ini("ID"), id);
    ASSERT_TRUE(doc.File().CloseTimeline());
    EXPECT_EQ(doc.SettingsParts().Timeline->TimelineID, "") << "the next timeline starts without an identity";
    ASSERT_TRUE(doc.File().OpenTimeline(folder + "New.tml"));
    EXPECT_EQ(doc.SettingsParts().Timeline->TimelineID, id);
    dialogs.QueueFileName(folder + "Copy.tml");
    ASSERT_TRUE(doc.File().SaveTimeline(true));
    EXPECT_EQ(Ini("ID"), id) << "Save As keeps the identity";
}

TEST_F(DocumentTest, OnlyUnitsInTheFileKeepsTheDefaultsOfTheLastClose) {
    WriteAll(DefaultSettingsPath(),
             "[General]\r\nMinBarHeight=31\r\nBarColor=clRed\r\nLayout=1\r\nBarOutlineColor=clRed\r\nAxisStyle=2\r\n");
    const QString path = folder + "Hours.tml";
    MakeTimelineFile(path, 1);
    // The file keeps only Units=3.
    {
        TTimelineDocument other;
        ASSERT_TRUE(other.File().OpenTimeline(path));
        WriteAll(other.File().WorkingFolder() + "Vezizivu.ini", "[General]\r\nUnits=3\r\n");
        other.Data().CloseDatabase();
        ASSERT_TRUE(other.File().PackTimelineFolder(path));
        other.File().CloseTimeline();
    }
    ASSERT_TRUE(doc.File().OpenTimeline(path));
    ASSERT_TRUE(doc.File().CloseTimeline()); // the close reads the defaults in timeline mode
    ASSERT_TRUE(doc.File().OpenTimeline(path));
    EXPECT_EQ(doc.Timeline().Units(), usHoursAndMinutes);
    // In force: what the defaults file set at the close.
    EXPECT_EQ(doc.SettingsParts().Events->MinBarHeight, 31);
    EXPECT_EQ(doc.SettingsParts().Events->BarColor, clRed);
    EXPECT_EQ(doc.SettingsParts().Bays->Layout, 1);
    // Fixed defaults.
    EXPECT_EQ(doc.SettingsParts().Events->BarOutlineColor, clBlack);
    EXPECT_EQ(doc.SettingsParts().Axis->Style, 1);
}

TEST_F(DocumentTest, UnitChangeIsAChangeToSave) {
    ASSERT_TRUE(doc.File().NewTimeline());
    doc.ChangeUnitSystem(usCalendarDates);
    EXPECT_FALSE(doc.Timeline().Modified()) << "the same system changes nothing";
    doc.ChangeUnitSystem(usKilometresAndMetres);
    EXPECT_TRUE(doc.Timeline().Modified());
    EXPECT_EQ(doc.SettingsParts().Timeline->Units, usKilometresAndMetres);
}

TEST_F(DocumentTest, CurrentSettingsBecomeTheDefaults) {
    ASSERT_TRUE(doc.File().NewTimeline());
    doc.SettingsParts().Events->BarColor = clRed;
    doc.AppOptions().HintsOn = true;
    doc.SetCurrentSettingsAsDefault();
    const TIniFile ini(DefaultSettingsPath());
    EXPECT_EQ(ini.ReadString("General", "BarColor", {}), "clRed");
    EXPECT_EQ(ini.ReadString("General", "HintsOn", {}), "1");
    EXPECT_FALSE(ini.ValueExists("General", "ID")) << "the defaults carry no identity";
    EXPECT_FALSE(ini.ValueExists("General", "Checksum"));
}

TEST(ErrorReport, Texts) {
    const QString problem = ErrorReportText(EVzError("Disk on fire"));
    EXPECT_TRUE(problem.startsWith("There has been a problem.\r\n\r\nThe exact error was : [Disk on fire]\r\n\r\n"
                                   "Please take a screen shot by pressing the Print Screen button on your keyboard"));
    EXPECT_TRUE(problem.contains("support@corvane.example together with the task you were attempting"));
    EXPECT_TRUE(problem.endsWith("We will look into it immediately and respond within 24hrs."));
    EXPECT_EQ(ErrorReportText(EReadOnlyError("Table is read-only")),
              " This timeline cannot be edited as it is password protected.\r\n\r\n"
              "Go to File | Properties to unlock if you have the password.");
    EXPECT_TRUE(ErrorReportText(EDatabaseError("no such table")).contains("[no such table]"))
        << "other database errors get the general text";
    EXPECT_TRUE(ErrorReportText(std::runtime_error("plain")).contains("[plain]"));
}

TEST_F(DocumentTest, SaveCloseOpenReturnsEverythingTheTimelineHolds) {
    const QString path = folder + "Full.tml";
    ASSERT_TRUE(doc.File().NewTimeline());
    TdtmMain& dm = doc.Data();
    {
        TSkipDateEntryScope skip(dm);
        dm.tblCategory.Insert();
        dm.tblCategory.SetValue("ID", 1);
        dm.tblCategory.SetValue("Name", "Wars");
        dm.tblCategory.SetValue("Colour", "clRed");
        dm.tblCategory.SetValue("Icon", QByteArray("\x89PNG icon bytes", 15));
        dm.tblCategory.SetValue("Format", "Font=\"Arial\",9pt,clBlack\r\nBarWidth=2\r\n");
        dm.tblCategory.Post();
        dm.tblEvent.Insert();
        const QStringList texts{"Name", "Description", "Notes", "Formatting", "GlobalID", "Links",
                                "str1", "str2", "str3", "str4", "mem1", "mem2"};
        for (const QString& field : texts)
            dm.tblEvent.SetValue(field, QString(field + QString::fromUtf8(" \u00e9\u4e2d")));
        dm.tblEvent.SetValue("Start", 20000.25);
        dm.tblEvent.SetValue("End", 20010.5);
        dm.tblEvent.SetValue("CategoryID", 1);
        dm.tblEvent.SetValue("ParentID", 7);
        dm.tblEvent.SetValue("X", 245);
        dm.tblEvent.SetValue("TextStyle", true);
        for (const char* f : {"Map", "Backdrop", "MiniMap"})
            dm.tblEvent.SetValue(f, QByteArray(5000, f[0]));
        int n = 0;
        for (const char* f : {"dbl1", "dbl2", "dbl3", "dbl4", "int1", "int2"})
            dm.tblEvent.SetValue(f, ++n * 1.5 > 6 ? QVariant(n) : QVariant(n * 1.5));
        for (const char* f : {"boo1", "boo2", "boo3", "boo4"})
            dm.tblEvent.SetValue(f, f[3] != '2');
        dm.tblEvent.Post();
    }
    QImage picture(12, 9, QImage::Format_RGB32);
    picture.fill(QColor(1, 2, 3));
    doc.Timeline().SetBackground(picture);
    doc.Timeline().SetLabelFmt("%1:s\r\n%0:s");
    const QByteArray views("[Home]\r\nKeywords=peace\r\n[___ordering]\r\nHome=\r\n");
    WriteAll(doc.File().WorkingFolder() + "Views.ini", views);
    dialogs.QueueFileName(path);
    ASSERT_TRUE(doc.File().SaveTimeline(false));

    auto everyField = [&](TTable& table) {
        QStringList rows;
        for (table.First(); !table.Eof(); table.Next()) {
            QStringList values;
            for (int i = 0; i < int(table.Fields().size()); ++i)
                values << table.Value(i).toString() + "/" + QString::number(table.Value(i).typeId());
            rows << values.join("|");
        }
        return rows;
    };
    const QStringList events = everyField(dm.tblEvent), groups = everyField(dm.tblCategory);
    const QByteArray background = ReadAll(doc.File().WorkingFolder() + "Backdrop.bmp");
    const QString id = doc.Timeline().TimelineID();
    ASSERT_TRUE(doc.File().CloseTimeline());

    ASSERT_TRUE(doc.File().OpenTimeline(path));
    EXPECT_EQ(everyField(dm.tblEvent), events);
    EXPECT_EQ(everyField(dm.tblCategory), groups);
    EXPECT_EQ(ReadAll(doc.File().WorkingFolder() + "Views.ini"), views);
    EXPECT_EQ(doc.Timeline().Background().pixel(3, 3), qRgb(1, 2, 3));
    EXPECT_EQ(doc.Timeline().LabelFmt(), "%1:s\r\n%0:s");
    EXPECT_EQ(doc.Timeline().TimelineID(), id);
    // Saving again without changes writes the same members.
    ASSERT_TRUE(doc.File().SaveTimeline(false));
    EXPECT_EQ(ReadAll(doc.File().WorkingFolder() + "Backdrop.bmp"), background);
    EXPECT_EQ(ReadAll(doc.File().WorkingFolder() + "Views.ini"), views);
}
