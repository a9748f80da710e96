#include "storage/IO.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>

namespace {
// Removes the per-user value for the test's lifetime.
struct TUserValueScope {
    explicit TUserValueScope(const QString& n) : name(n) { QSettings("Corvane", "Vezizivu").remove(name); }
    ~TUserValueScope() { QSettings("Corvane", "Vezizivu").remove(name); }
    QString name;
};
} // namespace

TEST(IO, LocationsFollowTheUsersFolders) {
    EXPECT_EQ(DefaultSettingsPath(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Corvane/tl/quistor.ini");
    const QString personal = PersonalFolder();
    EXPECT_TRUE(personal.endsWith('/'));
    EXPECT_EQ(DefaultMyTimelinesFolder(personal), personal + "My Timelines");
    EXPECT_EQ(BackgroundsFolder(personal), personal + "My Timelines/Backgrounds/");
    EXPECT_EQ(IconsFolder("/x/My Timelines"), "/x/My Timelines/Icons/");
}

TEST(IO, UserValuesAreStringsAndMissingOnesEmpty) {
    TUserValueScope scope("ShowFeedback");
    EXPECT_EQ(ReadUserValue("ShowFeedback"), "");
    WriteUserValue("ShowFeedback", "0");
    EXPECT_EQ(ReadUserValue("ShowFeedback"), "0");
    EXPECT_EQ(QSettings("Corvane", "Vezizivu").value("ShowFeedback").toString(), "0");
}

TEST(IO, InitialFolderIsTheLastUsedOneWhileItExists) {
    TUserValueScope scope("LastUsedDir");
    const QString mine = vztest::NewTempFolder("io") + "/My Timelines";
    const QString other = vztest::NewTempFolder("other");
    {
        TIO io(mine);
        EXPECT_TRUE(QDir(mine).exists()) << "the My Timelines folder is created when missing";
        EXPECT_EQ(io.InitialFolder(), mine) << "no last used folder yet";
        io.SetLastUsedFolder(other);
        EXPECT_EQ(io.InitialFolder(), other);
    }
    EXPECT_EQ(ReadUserValue("LastUsedDir"), other) << "written when the folder object goes";
    {
        TIO io(mine);
        EXPECT_EQ(io.InitialFolder(), other) << "used from the next start";
        QDir(other).removeRecursively();
        EXPECT_EQ(io.InitialFolder(), mine) << "a folder that no longer exists";
    }
}
