#include "common/Dialogs.h"
#include "common/MiscUtils.h"
#include "common/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

using namespace vztest;

class MiscUtilsTest : public ::testing::Test {
protected:
    TScriptedDialogs dialogs;
    TDialogsScope scope{dialogs};
    QString folder = NewTempFolder(QStringLiteral("misc"));
};

TEST_F(MiscUtilsTest, MoveFileReplacingReplacesTargetAndRemovesSource) {
    WriteAll(folder + "/a", "new");
    WriteAll(folder + "/b", "old");
    EXPECT_TRUE(MoveFileReplacing(folder + "/a", folder + "/b"));
    EXPECT_EQ(ReadAll(folder + "/b"), "new");
    EXPECT_FALSE(QFile::exists(folder + "/a"));
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(MiscUtilsTest, MoveFileReplacingReportsFailedCopyAndKeepsBothFiles) {
    WriteAll(folder + "/b", "old");
    EXPECT_FALSE(MoveFileReplacing(folder + "/missing", folder + "/b"));
    EXPECT_EQ(ReadAll(folder + "/b"), "old");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].Text, QStringLiteral("Could not copy \"%1\" to \"%2\".")
                                           .arg(folder + "/missing", folder + "/b"));
    EXPECT_EQ(dialogs.Shown()[0].Kind, TMsgKind::Error);
}

TEST_F(MiscUtilsTest, DeleteFileReportedCountsMissingFileAsFailure) {
    EXPECT_FALSE(DeleteFileReported(folder + "/none", false));
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_FALSE(DeleteFileReported(folder + "/none", true));
    ASSERT_EQ(dialogs.ShownTexts(),
              QStringList{QStringLiteral("Could not delete \"%1\".").arg(folder + "/none")});
    WriteAll(folder + "/x", "1");
    EXPECT_TRUE(DeleteFileReported(folder + "/x", true));
    EXPECT_FALSE(QFile::exists(folder + "/x"));
}

TEST_F(MiscUtilsTest, WriteFileAtomicallyLeavesNoSideFiles) {
    WriteFileAtomically(folder + "/f.bin", QByteArray("abc"));
    WriteFileAtomically(folder + "/f.bin", QByteArray("defg"));
    EXPECT_EQ(ReadAll(folder + "/f.bin"), "defg");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"f.bin"});
}

TEST(PathTexts, ChangeFileExtAndFolders) {
    EXPECT_EQ(ChangeFileExt("/a/b/History.tml", ".zip"), "/a/b/History.zip");
    EXPECT_EQ(ChangeFileExt("/a.b/History", ".zip"), "/a.b/History.zip");
    EXPECT_EQ(ChangeFileExt("/a/b/x.y.TML", ".zip"), "/a/b/x.y.zip");
    EXPECT_EQ(WithTrailingSlash("/tmp//"), "/tmp/");
    EXPECT_EQ(WithTrailingSlash("/"), "/");
    EXPECT_EQ(FolderOf("/a/b/c.tml"), "/a/b/");
}

TEST(PathTexts, IdentityStampFormat) {
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\d_\d\d-\d\d_\d\d-\d{3}$)")
                    .match(IdentityStamp())
                    .hasMatch())
        << IdentityStamp().toStdString();
}
