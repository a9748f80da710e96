// vezizivu-cli run as a user runs it: as a separate process, reading its output and status.
#include "storage/Container.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {
struct TRun {
    int Status = -1;
    QString Out;
    QString Err;
};

TRun Cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VZ_CLI_PATH), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

class CliTest : public ::testing::Test {
protected:
    QString folder = vztest::NewTempFolder("cli");
    QString file = folder + "/T.tml";
};

TEST_F(CliTest, NewAddListInfo) {
    ASSERT_EQ(Cli({"new", file, "--units", "4"}).Status, 0);
    EXPECT_TRUE(IsValidTimelineFile(file));
    const TRun first = Cli({"add", file, "--name", "Moon landing", "--start", "1969.5", "--end=1969.6",
                            "--description", "Apollo 11"});
    ASSERT_EQ(first.Status, 0) << first.Err.toStdString();
    EXPECT_EQ(first.Out, "1\n");
    EXPECT_EQ(Cli({"add", file, "--name=Point", "--start=-44"}).Out, "2\n");
    const TRun list = Cli({"list", file});
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(list.Out, "1\t1969.5\t1969.6\tMoon landing\n2\t-44\t\tPoint\n");
    const TRun info = Cli({"info", file});
    EXPECT_TRUE(info.Out.contains("Events: 2\n")) << info.Out.toStdString();
    EXPECT_TRUE(info.Out.contains("Groups: 0\n"));
    EXPECT_TRUE(info.Out.contains("Units: 4\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"T.tml"}) << "no working files are left";
}

TEST_F(CliTest, WrongUsageAndRefusedInputLeaveTheFileAlone) {
    ASSERT_EQ(Cli({"new", file}).Status, 0);
    const QByteArray before = vztest::ReadAll(file);
    struct TCase {
        QStringList args;
        int status;
        const char* errorPart;
    };
    const TCase cases[] = {
        {{}, 2, "Usage"},
        {{"frobnicate", file}, 2, "Unknown command"},
        {{"add", file, "--name", "x"}, 2, "--start"},
        {{"add", file, "--name", "x", "--start"}, 2, "needs a value"},
        {{"add", file, "--name", "x", "--start", "soon"}, 1, "not a number"},
        {{"list", file, "--colour", "red"}, 2, "Unknown option"},
        {{"new", file}, 1, "already exists"},
        {{"new", folder + "/N.tml", "--units", "9"}, 2, "0 to 7"},
        {{"list", folder + "/missing.tml"}, 1, "does not exist"},
    };
    for (const TCase& c : cases) {
        const TRun r = Cli(c.args);
        EXPECT_EQ(r.Status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.Err.contains(c.errorPart)) << r.Err.toStdString();
    }
    EXPECT_EQ(vztest::ReadAll(file), before);

    vztest::WriteAll(folder + "/Bad.tml", "not a timeline");
    const TRun bad = Cli({"info", folder + "/Bad.tml"});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_TRUE(bad.Err.contains("it is not a valid Vezizivu")) << bad.Err.toStdString();
    EXPECT_EQ(vztest::ReadAll(folder + "/Bad.tml"), QByteArray("not a timeline"));
}

TEST_F(CliTest, AFolderInUseIsReadFromACopyAndNeverChanged) {
    ASSERT_EQ(Cli({"new", file}).Status, 0);
    ASSERT_EQ(Cli({"add", file, "--name", "a", "--start", "1"}).Status, 0);
    vztest::WriteAll(folder + "/Event.ff2", "another timeline is open here");
    const QByteArray before = vztest::ReadAll(file);
    const TRun list = Cli({"list", file});
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(list.Out, "1\t1\t\ta\n");
    const TRun add = Cli({"add", file, "--name", "b", "--start", "2"});
    EXPECT_EQ(add.Status, 1);
    EXPECT_EQ(vztest::ReadAll(file), before);
    EXPECT_EQ(vztest::ReadAll(folder + "/Event.ff2"), QByteArray("another timeline is open here"));
}
