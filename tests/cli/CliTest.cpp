// vezizivu-cli run as a user runs it: as a separate process, reading its output and status.
#include "app/TimelineDocument.h"
#include "common/ScriptedDialogs.h"
#include "search/Views.h"
#include "storage/Container.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "en_GB.UTF-8");
    env.insert("LANG", "en_GB.UTF-8");
    p.setProcessEnvironment(env);
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

TEST_F(CliTest, NewAddListInfoInYearsAndMonths) {
    ASSERT_EQ(Cli({"new", file, "--units", "0"}).Status, 0);
    EXPECT_TRUE(IsValidTimelineFile(file));
    const QRegularExpression idLine("\nID: (\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d_\\d\\d-\\d{3})\n");
    const QString firstId = idLine.match(Cli({"info", file}).Out).captured(1);
    EXPECT_FALSE(firstId.isEmpty()) << "the first save gives the timeline its ID";
    const TRun first = Cli({"add", file, "--name", "Moon\r\nlanding", "--start", "1969", "--start-minor", "7",
                            "--end=1972", "--end-minor=12", "--description", "Apollo"});
    ASSERT_EQ(first.Status, 0) << first.Err.toStdString();
    EXPECT_EQ(first.Out, "1\n");
    EXPECT_EQ(Cli({"add", file, "--name=Caesar", "--start=-44"}).Out, "2\n");
    const TRun list = Cli({"list", file});
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(list.Out, "Jul 1969 - Dec 1972\tMoon landing\n44 BC\tCaesar\n");
    const TRun info = Cli({"info", file});
    EXPECT_TRUE(info.Out.contains("Events: 2\n")) << info.Out.toStdString();
    EXPECT_TRUE(info.Out.contains("Groups: 0\n"));
    EXPECT_TRUE(info.Out.contains("Units: 0 (Years and Months)\n"));
    EXPECT_EQ(idLine.match(info.Out).captured(1), firstId) << "later saves keep the ID";
    EXPECT_TRUE(info.Out.contains("Password protected: no\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"T.tml"}) << "no working files are left";

    // Values are not converted when the unit system changes: 1969 + 6/12 now reads as a day.
    // The axis style changes when Calendar Dates is crossed; a caption read from the file stays.
    ASSERT_EQ(Cli({"units", file, "2"}).Status, 0);
    EXPECT_TRUE(Cli({"info", file}).Out.contains("Axis caption: Years\nAxis style: 1\n"));
    ASSERT_EQ(Cli({"units", file, "7"}).Status, 0);
    EXPECT_TRUE(Cli({"info", file}).Out.contains("Axis caption: Years\nAxis style: 3\n"));
    ASSERT_EQ(Cli({"units", file, "2"}).Status, 0);
    EXPECT_EQ(Cli({"list", file}).Out, "12:00 day 1969 - 22:00 day 1972\tMoon landing\n00:00 day -44\tCaesar\n");
}

TEST_F(CliTest, CalendarDatesTakeShortOrIsoDates) {
    ASSERT_EQ(Cli({"new", file}).Status, 0);
    ASSERT_EQ(Cli({"add", file, "--name", "Apollo 11", "--start", "16/07/1969", "--end", "1969-07-24"}).Status, 0);
    ASSERT_EQ(Cli({"add", file, "--name", "Landing", "--start", "1969-07-20"}).Status, 0);
    EXPECT_EQ(Cli({"list", file}).Out, "16/07/1969 - 24/07/1969\tApollo 11\n20/07/1969\tLanding\n");
}

TEST_F(CliTest, InvalidEntriesAreRefusedWithTheValidatorsMessages) {
    ASSERT_EQ(Cli({"new", file, "--units", "0"}).Status, 0);
    ASSERT_EQ(Cli({"new", folder + "/C.tml"}).Status, 0);
    const QByteArray before = vztest::ReadAll(file);
    struct TCase {
        QString target;
        QStringList args;
        const char* message;
    };
    const TCase cases[] = {
        {file, {"--name", "x", "--start", "1990", "--end", "1990"},
         "Please make sure the end value is greater than the start."},
        {file, {"--name", "x", "--start", "12.5"}, "Please only enter numbers."},
        {file, {"--name", "x", "--start", "-44", "--start-minor", "3"},
         "Please do not use months with BC dates, they are not applicable."},
        {file, {"--name", "", "--start", "5"}, "Please enter a name for the event."},
        {file, {"--name", "x", "--start", "5", "--end-minor", "3"},
         "Please include major units if you are going to specify minor units."},
        {folder + "/C.tml", {"--name", "x", "--start", "1899-12-31"}, "Please make sure dates are 1900 or later."},
        {folder + "/C.tml", {"--name", "x", "--start", "tomorrow"}, "is not a date"},
    };
    for (const TCase& c : cases) {
        const TRun r = Cli(QStringList{"add", c.target} + c.args);
        EXPECT_EQ(r.Status, 1) << c.message;
        EXPECT_TRUE(r.Err.contains(c.message)) << r.Err.toStdString();
        EXPECT_TRUE(r.Out.isEmpty());
    }
    EXPECT_EQ(vztest::ReadAll(file), before);
    EXPECT_EQ(Cli({"list", folder + "/C.tml"}).Out, "");
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
    ASSERT_EQ(Cli({"add", file, "--name", "a", "--start", "1900-01-01"}).Status, 0);
    vztest::WriteAll(folder + "/Event.ff2", "another timeline is open here");
    const QByteArray before = vztest::ReadAll(file);
    const TRun list = Cli({"list", file});
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(list.Out, "01/01/1900\ta\n");
    const TRun add = Cli({"add", file, "--name", "b", "--start", "1900-01-02"});
    EXPECT_EQ(add.Status, 1);
    EXPECT_EQ(vztest::ReadAll(file), before);
    EXPECT_EQ(vztest::ReadAll(folder + "/Event.ff2"), QByteArray("another timeline is open here"));
}

namespace {
// The names of "date<TAB>name" lines.
QStringList Names(const QString& out) {
    QStringList names;
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts))
        names << line.section('\t', 1);
    return names;
}
} // namespace

TEST_F(CliTest, SearchesAndViewsListWhatTheProgramShows) {
    ASSERT_EQ(Cli({"new", file, "--units", "0"}).Status, 0);
    const struct {
        const char *name, *start, *end, *description;
    } events[] = {
        {"Great War", "1914", "1918", "many battles"},
        {"Battle of the Somme", "1916", "", ""},
        {"Treaty of Versailles", "1920", "", ""},
        {"Moon landing", "1969", "", ""},
    };
    for (const auto& e : events)
        ASSERT_EQ(Cli({"add", file, "--name", e.name, "--start", e.start, "--end", e.end, "--description", e.description}).Status, 0);
    // A view of the war years that keeps the Somme blown away, and a timeline too large to show whole.
    const QString large = folder + "/Large.tml";
    {
        TScriptedDialogs quiet;
        TDialogsScope scope(quiet);
        quiet.SetDefaultAnswer(TMsgButton::No);
        TTimelineDocument doc;
        ASSERT_TRUE(doc.File().OpenTimeline(file));
        TSearchRequest r;
        r.Clear();
        r.Keywords = "1914 - 1918";
        TtlViews(doc.File().WorkingFolder() + "Views.ini").SaveView("War years", true, r, {{2, 99999, 2}});
        doc.Timeline().SetModified(true);
        ASSERT_TRUE(doc.File().SaveTimeline(false));
        ASSERT_TRUE(doc.File().NewTimeline());
        doc.Data().ffDB.Execute("BEGIN");
        for (int i = 1; i <= 200; ++i)
            doc.Data().ffDB.Execute("INSERT INTO Event (ID, Name, Start) VALUES (?1, ?2, ?3)", {i, QString("E%1").arg(i), 1900 + i});
        doc.Data().ffDB.Execute("COMMIT");
        ASSERT_TRUE(doc.File().WriteTimelineFile(large));
        doc.File().CloseTimeline();
    }
    const QByteArray before = vztest::ReadAll(file);

    EXPECT_EQ(Cli({"views", file}).Out, "Home\nWar years\n");
    const TRun range = Cli({"list", file, "--search", "1914 - 1918"});
    EXPECT_EQ(range.Status, 0) << range.Err.toStdString();
    EXPECT_EQ(Names(range.Out), (QStringList{"Great War", "Battle of the Somme"}));
    EXPECT_EQ(Names(Cli({"list", file, "--search", "battles"}).Out), (QStringList{"Great War", "Battle of the Somme"}));
    EXPECT_EQ(Names(Cli({"list", file, "--view", "war YEARS"}).Out), QStringList{"Great War"}) << "the Somme is blown away";
    EXPECT_EQ(Names(Cli({"list", file, "--view", "Home"}).Out).size(), 4);

    struct TCase {
        QStringList args;
        int status;
        const char* err;
    };
    const TCase cases[] = {
        {{"list", file, "--search", "zebra"}, 0, "No results.\n"},
        {{"list", large, "--search", "1900 - 2200"}, 0, "Too many results. Refine your search.\nThis is a large timeline"},
        {{"list", large, "--view", "Home"}, 0, "Too many results."},
        {{"list", file, "--search", "1000000000"}, 1, "Too large number."},
        {{"list", file, "--view", "Battles"}, 1, "The timeline has no view named \"Battles\"."},
        {{"list", file, "--view", "Home", "--search", "x"}, 2, "not both"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const TRun r = Cli(c.args);
        EXPECT_EQ(r.Status, c.status);
        EXPECT_TRUE(r.Err.contains(c.err)) << r.Err.toStdString();
        EXPECT_EQ(r.Out, "");
    }
    EXPECT_EQ(Names(Cli({"list", large, "--search", "2000"}).Out), (QStringList{"E99", "E100", "E101"}));
    EXPECT_EQ(vztest::ReadAll(file), before) << "listing changes nothing";
}

TEST_F(CliTest, AddingEventsSavesNoPositionsTheDisplayWouldPlace) {
    ASSERT_EQ(Cli({"new", file, "--units", "4"}).Status, 0);
    ASSERT_EQ(Cli({"add", file, "--name", "a", "--start", "1", "--end", "9"}).Status, 0);
    ASSERT_EQ(Cli({"add", file, "--name", "b", "--start", "2", "--end", "8"}).Status, 0);
    ASSERT_EQ(Cli({"list", file}).Status, 0); // showing the timeline places the events in bays
    TScriptedDialogs quiet;
    quiet.SetDefaultAnswer(TMsgButton::No);
    TDialogsScope scope(quiet);
    TTimelineDocument doc;
    doc.SetDisplayOnOpen(false);
    ASSERT_TRUE(doc.File().OpenTimeline(file));
    TTable& events = doc.Data().tblEvent;
    int rows = 0;
    for (events.First(); !events.Eof(); events.Next(), ++rows)
        EXPECT_TRUE(events.IsNull("X")) << events.AsString("Name").toStdString();
    EXPECT_EQ(rows, 2);
    doc.File().CloseTimeline();
}
