#include "common/Errors.h"
#include "common/MiscUtils.h"
#include "common/Progress.h"
#include "common/ScriptedDialogs.h"
#include "display/TmLn.h"
#include "storage/Container.h"
#include "storage/MainDataMod.h"
#include "storage/TimelineFile.h"
#include "storage/TimelineFileHost.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using vztest::ReadAll;
using vztest::WriteAll;

namespace {
// The rest of the program as the file sequences see it: the background as bytes, settings and
// views files left as they are, and a switch that makes a save fail at a named point.
class TTestHost : public TTimelineFileHost {
public:
    void LoadBackground(const QString& path) override { background = ReadAll(path); }
    void WriteBackground(const QString& path) override { WriteAll(path, background); }
    void Checkpoint(const char* stage) override {
        if (failAt == stage)
            throw EVzError(QStringLiteral("injected failure at ") + QLatin1String(stage));
    }
    qint64 FreeBytes(const QString& folder) const override {
        return freeBytes ? *freeBytes : TTimelineFileHost::FreeBytes(folder);
    }
    void ShowHomeView() override { ++homeViews; }

    QByteArray background;
    std::string failAt;
    std::optional<qint64> freeBytes;
    int homeViews = 0;
};

const QByteArray kSettings("[General]\r\nUnits=3\r\nSomethingNew=keep me\r\n[Extra]\r\nA=1\r\n");
const QByteArray kViews("[Home]\r\nKeywords=\r\n");
} // namespace

class TimelineFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dm.SetTimeline(&timeline);
        root = vztest::NewTempFolder("tml");
    }
    void TearDown() override {
        dialogs.SetDefaultAnswer(TMsgButton::No);
        file.CloseTimeline();
    }

    // A saved timeline in `folder` with two events, a group, settings, views and a picture.
    QString MakeTimeline(const QString& folder, const QString& name = "History.tml", bool views = true) {
        QDir().mkpath(folder);
        EXPECT_TRUE(file.NewTimeline());
        TSkipDateEntryScope skip(dm);
        dm.tblCategory.Insert();
        dm.tblCategory.SetValue("ID", 1);
        dm.tblCategory.SetValue("Name", "Wars");
        dm.tblCategory.SetValue("Colour", "clRed");
        dm.tblCategory.SetValue("Icon", QByteArray("ICON\x00\x01", 6));
        dm.tblCategory.Post();
        for (int i = 1; i <= 2; ++i) {
            dm.tblEvent.Insert();
            dm.tblEvent.SetValue("Name", QString("Event %1 \u00e9\u4e2d").arg(i));
            dm.tblEvent.SetValue("Start", 1914.0 + i);
            dm.tblEvent.SetValue("End", i == 1 ? QVariant(1918.5) : QVariant());
            dm.tblEvent.SetValue("Description", "desc");
            dm.tblEvent.SetValue("CategoryID", 1);
            dm.tblEvent.SetValue("Backdrop", QByteArray(20000, char('a' + i)));
            dm.tblEvent.SetValue("Formatting", "BarColor=$000000FF");
            dm.tblEvent.SetValue("boo1", true);
            dm.tblEvent.SetValue("dbl2", 2.5);
            dm.tblEvent.SetValue("str1", "tag1,tag2");
            dm.tblEvent.Post();
        }
        WriteAll(file.WorkingFolder() + "Vezizivu.ini", kSettings);
        if (views)
            WriteAll(file.WorkingFolder() + "Views.ini", kViews);
        host.background = QByteArray("BM fake picture bytes");
        dialogs.QueueFileName(folder + "/" + name);
        EXPECT_TRUE(file.SaveTimeline(false));
        return folder + "/" + name;
    }

    // Every field of every event and group, in ID order.
    QStringList Rows() {
        QStringList rows;
        for (TTable* t : {&dm.tblEvent, &dm.tblCategory}) {
            TTable copy(dm.ffDB, "copy", t->TableName());
            copy.SetIndexName("");
            copy.Open();
            for (copy.First(); !copy.Eof(); copy.Next()) {
                QStringList values;
                for (int i = 0; i < int(copy.Fields().size()); ++i)
                    values << copy.Value(i).toString();
                rows << values.join("|");
            }
        }
        return rows;
    }

    TScriptedDialogs dialogs;
    TDialogsScope dialogsScope{dialogs};
    TRecordingProgress progress;
    TTimeLine timeline;
    TdtmMain dm;
    TTestHost host;
    TTimelineFile file{dm, timeline, host};
    QString root;
};

TEST_F(TimelineFileTest, SaveCloseOpenReturnsEverything) {
    const QString path = MakeTimeline(root + "/F");
    const QStringList before = Rows();
    EXPECT_EQ(timeline.FileName(), path);
    EXPECT_FALSE(timeline.Modified());
    ASSERT_TRUE(file.CloseTimeline());
    EXPECT_EQ(QDir(root + "/F").entryList(QDir::Files), QStringList{"History.tml"})
        << "closing removes every working file";
    host.background.clear();

    ASSERT_TRUE(file.OpenTimeline(path));
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(ReadAll(root + "/F/Vezizivu.ini"), kSettings);
    EXPECT_EQ(ReadAll(root + "/F/Views.ini"), kViews);
    EXPECT_EQ(host.background, QByteArray("BM fake picture bytes"));
    EXPECT_EQ(host.homeViews, 1);
    EXPECT_FALSE(file.ReadOnlyCopy());

    QByteArray bytes = ReadAll(path);
    UnscrambleBytes(bytes);
    EXPECT_EQ(TZipReader(bytes).Members(),
              (QStringList{"dummy.txt", "Event.ff2", "Category.ff2", "Vezizivu.ini", "Views.ini", "Backdrop.bmp"}));
    EXPECT_EQ(TZipReader(bytes).Read("dummy.txt"), QByteArray("dummy"));
}

TEST_F(TimelineFileTest, LoadingLeavesTheUsersFileUntouched) {
    const QString path = MakeTimeline(root + "/F");
    file.CloseTimeline();
    const QByteArray bytes = ReadAll(path);
    const QDateTime stamp = QFileInfo(path).lastModified();
    ASSERT_TRUE(file.OpenTimeline(path));
    EXPECT_EQ(ReadAll(path), bytes);
    EXPECT_EQ(QFileInfo(path).lastModified(), stamp);
    EXPECT_FALSE(QFileInfo::exists(root + "/F/History.zip"));
}

TEST_F(TimelineFileTest, SaveAsToAnotherFolderMovesTheWorkingFiles) {
    const QString first = MakeTimeline(root + "/F");
    const QStringList rows = Rows();
    QDir().mkpath(root + "/G");
    dialogs.QueueFileName(root + "/G/Copy");
    ASSERT_TRUE(file.SaveTimeline(true));
    EXPECT_EQ(timeline.FileName(), root + "/G/Copy.tml");
    EXPECT_EQ(file.WorkingFolder(), root + "/G/");
    EXPECT_EQ(QDir(root + "/F").entryList(QDir::Files), QStringList{"History.tml"});
    EXPECT_TRUE(QFileInfo::exists(root + "/G/Event.ff2"));
    EXPECT_EQ(ReadAll(root + "/G/Vezizivu.ini"), kSettings) << "unknown keys travel with Save As";
    EXPECT_EQ(Rows(), rows);
    EXPECT_TRUE(IsValidTimelineFile(first));
}

TEST_F(TimelineFileTest, AFailedSaveLeavesThePreviousFileAndTheWorkingFiles) {
    for (const char* stage : {"working-files-ready", "archive-written", "archive-scrambled"}) {
        SCOPED_TRACE(stage);
        const QString path = MakeTimeline(root + "/F" + stage);
        const QByteArray before = ReadAll(path);
        {
            TSkipDateEntryScope skip(dm);
            dm.tblEvent.First();
            dm.tblEvent.Edit();
            dm.tblEvent.SetValue("Name", "changed since the save");
            dm.tblEvent.Post();
        }
        const QStringList rows = Rows();
        host.failAt = stage;
        EXPECT_THROW(file.SaveTimeline(false), EVzError);
        host.failAt.clear();
        EXPECT_EQ(ReadAll(path), before) << "the previous .tml is byte-identical";
        EXPECT_FALSE(QFileInfo::exists(ChangeFileExt(path, ".zip")));
        ASSERT_TRUE(dm.IsDatabaseOpen()) << "the timeline stays open on its working files";
        EXPECT_EQ(Rows(), rows);
        EXPECT_TRUE(timeline.Modified());
        ASSERT_TRUE(file.SaveTimeline(false)) << "the next save writes the data";
        EXPECT_NE(ReadAll(path), before);
        ASSERT_TRUE(file.CloseTimeline());
    }
}

TEST_F(TimelineFileTest, NotEnoughSpaceWritesNothing) {
    const QString path = MakeTimeline(root + "/F");
    const QByteArray before = ReadAll(path);
    host.freeBytes = 1500; // two kilobytes needed at least
    dialogs.ClearShown();
    EXPECT_FALSE(file.SaveTimeline(false));
    EXPECT_EQ(dialogs.ShownTexts(), QStringList{"Not enough space on drive.\r\n\r\nThe file will not be saved."});
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_TRUE(dm.IsDatabaseOpen());
    host.freeBytes = -1; // unknown: the check is skipped
    EXPECT_TRUE(file.SaveTimeline(false));
}

TEST_F(TimelineFileTest, BadFilesAreRefusedWithoutHarm) {
    const QString good = MakeTimeline(root + "/src");
    file.CloseTimeline();
    QByteArray plain = ReadAll(good);
    UnscrambleBytes(plain);
    auto container = [&](const std::vector<std::pair<QString, QByteArray>>& members) {
        const QString zip = root + "/build.zip";
        QFile::remove(zip);
        {
            TZipWriter w(zip);
            for (const auto& [name, bytes] : members)
                w.AddBytes(name, bytes);
            w.Close();
        }
        QByteArray bytes = ReadAll(zip);
        ScrambleBytes(bytes);
        return bytes;
    };
    const TZipReader reader(plain);
    const QByteArray event = reader.Read("Event.ff2");
    const QByteArray category = reader.Read("Category.ff2");
    QByteArray random;
    for (int i = 0; i < 3000; ++i)
        random.append(char((i * 2654435761u) >> 13));
    const QString notValid = TTimelineFile::NotValidFileText();
    struct TCase {
        const char* name;
        QByteArray bytes;
        QString message; // empty: "Error opening timeline." through the error handler
    };
    const TCase cases[] = {
        {"truncated", ReadAll(good).left(ReadAll(good).size() / 2), notValid},
        {"random bytes", random, notValid},
        {"empty file", QByteArray(), notValid},
        {"plain unscrambled zip", plain, notValid},
        {"no Event.ff2", container({{"dummy.txt", "dummy"}, {"Category.ff2", category}}), {}},
        {"corrupt table", container({{"Event.ff2", QByteArray(8192, 'x')}, {"Category.ff2", category}}), {}},
        {"member ../x", container({{"Event.ff2", event}, {"Category.ff2", category}, {"../x", "escape"}}), notValid},
        {"member /x", container({{"Event.ff2", event}, {"Category.ff2", category}, {"/x", "escape"}}), notValid},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = root + "/bad-" + QString(c.name).replace(' ', '_').replace('/', '_').replace('.', '_');
        const QString path = folder + "/Bad.tml";
        WriteAll(path, c.bytes);
        dialogs.ClearShown();
        bool opened = true;
        QString error;
        try {
            opened = file.OpenTimeline(path);
        } catch (const EVzError& e) {
            opened = false;
            error = e.Message();
        }
        EXPECT_FALSE(opened);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(error.startsWith("Error opening timeline.\r\n(")) << error.toStdString();
        } else {
            EXPECT_EQ(dialogs.ShownTexts(), QStringList{c.message});
        }
        EXPECT_EQ(ReadAll(path), c.bytes) << "the file on disk is unchanged";
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"Bad.tml"}) << "nothing is left beside it";
        EXPECT_TRUE(timeline.FileName().isEmpty());
        EXPECT_FALSE(dm.IsDatabaseOpen());
    }
    EXPECT_FALSE(QFileInfo::exists(root + "/x"));
    EXPECT_FALSE(QFileInfo::exists("/x"));
}

TEST_F(TimelineFileTest, AFolderInUseIsOfferedAsACopy) {
    const QString a = MakeTimeline(root + "/F", "A.tml");
    const QString b = MakeTimeline(root + "/F2", "B.tml");
    QFile::copy(b, root + "/F/B.tml");
    ASSERT_TRUE(file.OpenTimeline(a));

    dialogs.QueueAnswer(TMsgButton::Cancel);
    EXPECT_FALSE(file.OpenTimeline(root + "/F/B.tml"));
    EXPECT_EQ(dialogs.Questions().back().Text, TTimelineFile::InUseQuestion());
    EXPECT_EQ(timeline.FileName(), a) << "Cancel keeps the open timeline";

    dialogs.QueueAnswer(TMsgButton::Ok);
    ASSERT_TRUE(file.OpenTimeline(a)); // reopening the open file also asks
    EXPECT_TRUE(file.ReadOnlyCopy());
    EXPECT_TRUE(timeline.FileName().startsWith(QDir::tempPath() + "/"));
    EXPECT_TRUE(timeline.FileName().endsWith("/A.tml"));
    EXPECT_EQ(QDir(root + "/F").entryList(QDir::Files), (QStringList{"A.tml", "B.tml"}));
}

TEST_F(TimelineFileTest, ClosingAModifiedTimelineAsksToSave) {
    const QString path = MakeTimeline(root + "/F");
    const QByteArray saved = ReadAll(path);
    auto modify = [&] {
        dm.tblEvent.First();
        dm.tblEvent.Edit();
        dm.tblEvent.SetValue("Notes", "edited");
        TSkipDateEntryScope skip(dm);
        dm.tblEvent.Post();
    };
    modify();
    dialogs.QueueAnswer(TMsgButton::Cancel);
    EXPECT_FALSE(file.CloseTimeline());
    EXPECT_EQ(dialogs.Questions().back().Text, "Do you want to save the changes you made to History.tml?");
    EXPECT_EQ(timeline.FileName(), path);

    dialogs.QueueAnswer(TMsgButton::Cancel); // the save question while opening another file
    EXPECT_FALSE(file.OpenTimeline(path + ".other"));
    EXPECT_TRUE(dm.IsDatabaseOpen());

    dialogs.QueueAnswer(TMsgButton::No);
    EXPECT_TRUE(file.CloseTimeline());
    EXPECT_EQ(ReadAll(path), saved);

    ASSERT_TRUE(file.OpenTimeline(path));
    modify();
    dialogs.QueueAnswer(TMsgButton::Yes);
    EXPECT_TRUE(file.CloseTimeline());
    EXPECT_NE(ReadAll(path), saved);
    EXPECT_TRUE(timeline.FileName().isEmpty());
}

TEST_F(TimelineFileTest, ANewTimelineWorksInAPrivateFolderUntilSaved) {
    ASSERT_TRUE(file.NewTimeline());
    EXPECT_EQ(timeline.FileName(), "Vezizivu 1");
    EXPECT_EQ(timeline.Units(), usCalendarDates);
    const QString work = file.WorkingFolder();
    EXPECT_TRUE(work.startsWith(QDir::tempPath() + "/vezizivu-"));
    EXPECT_EQ(QFileInfo(work).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    EXPECT_EQ(dm.EventCountText(), "0/0 events");

    TSkipDateEntryScope skip(dm);
    dm.tblEvent.Insert();
    dm.tblEvent.SetValue("Name", "only event");
    dm.tblEvent.Post();
    // Yes to the save question, then the name dialog is cancelled: the timeline stays open.
    dialogs.QueueAnswer(TMsgButton::Yes);
    dialogs.QueueFileCancel();
    EXPECT_FALSE(file.CloseTimeline());
    EXPECT_EQ(dm.tblEvent.RecordCount(), 1);

    dialogs.QueueAnswer(TMsgButton::Yes);
    dialogs.QueueFileName(root + "/Saved.tml");
    EXPECT_TRUE(file.CloseTimeline());
    EXPECT_FALSE(QFileInfo::exists(work)) << "the private folder goes with the new timeline";
    EXPECT_TRUE(IsValidTimelineFile(root + "/Saved.tml"));
}

TEST_F(TimelineFileTest, AnIntermediateArchiveIsTidiedWhenTheTimelineCloses) {
    const QString path = MakeTimeline(root + "/F");
    const QByteArray good = ReadAll(path);
    // A stale intermediate beside an existing .tml goes; the .tml is kept.
    WriteAll(ChangeFileExt(path, ".zip"), "half-written");
    ASSERT_TRUE(file.CloseTimeline());
    EXPECT_FALSE(QFileInfo::exists(ChangeFileExt(path, ".zip")));
    EXPECT_EQ(ReadAll(path), good);

    // A complete intermediate with no .tml (a crash between write and rename) comes back.
    ASSERT_TRUE(file.OpenTimeline(path));
    QFile::rename(path, ChangeFileExt(path, ".zip"));
    ASSERT_TRUE(file.CloseTimeline());
    EXPECT_EQ(ReadAll(path), good);
    EXPECT_FALSE(QFileInfo::exists(ChangeFileExt(path, ".zip")));
}

TEST_F(TimelineFileTest, ATimelineWithoutViewsOpens) {
    const QString path = MakeTimeline(root + "/F", "NoViews.tml", false);
    file.CloseTimeline();
    QByteArray bytes = ReadAll(path);
    UnscrambleBytes(bytes);
    EXPECT_FALSE(TZipReader(bytes).Contains("Views.ini"));
    ASSERT_TRUE(file.OpenTimeline(path));
    EXPECT_EQ(dm.tblEvent.RecordCount(), 2);
}

TEST_F(TimelineFileTest, ProgressStagesAndHiding) {
    TRecordingProgress recorder;
    TProgress* previous = SetProgress(&recorder);
    const QString path = MakeTimeline(root + "/F");
    file.CloseTimeline();
    recorder.Clear();
    ASSERT_TRUE(file.OpenTimeline(path));
    SetProgress(previous);
    const QStringList expected{"Loading...", "Closing file...", "Loading (initialising)...",
                               "Loading (reading data)...", "Loading (loading views)...",
                               "Loading (displaying)...", "Loading (showing main screen)...",
                               "Loading (refreshing)..."};
    EXPECT_EQ(recorder.Stages(), expected);
    EXPECT_FALSE(recorder.Visible());
}
