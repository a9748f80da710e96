// vezizivu-cli render, run as a separate process: the picture files it writes and what it refuses.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>

namespace {
struct TRun {
    int Status = -1;
    QString Err;
};

TRun Cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VZ_CLI_PATH), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Cli({"new", file, "--units", "0"}).Status, 0);
        ASSERT_EQ(Cli({"add", file, "--name", "War", "--start", "1914", "--end", "1918"}).Status,
                  0);
        ASSERT_EQ(Cli({"add", file, "--name", "Peace", "--start", "1919"}).Status, 0);
        before = vztest::ReadAll(file);
    }
    QString folder = vztest::NewTempFolder("render");
    QString file = folder + "/T.tml";
    QByteArray before;
};

TEST_F(RenderCommandTest, PicturesAreExactlyTheSurfaceSize) {
    for (const char* name : {"a.png", "a.jpg", "a.bmp"}) {
        SCOPED_TRACE(name);
        const QString out = folder + "/" + name;
        const TRun run = Cli({"render", file, out, "--width", "640", "--height", "400"});
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        EXPECT_EQ(QImage(out).size(), QSize(640, 400));
    }
    EXPECT_EQ(quint8(vztest::ReadAll(folder + "/a.bmp")[28]), 24);
    ASSERT_EQ(Cli({"render", file, folder + "/d.png"}).Status, 0);
    EXPECT_EQ(QImage(folder + "/d.png").size(), QSize(1600, 1000));
    ASSERT_EQ(
        Cli({"render", file, folder + "/a.pdf", "--orientation", "horizontal", "--axis-pos", "4"})
            .Status,
        0);
    EXPECT_TRUE(vztest::ReadAll(folder + "/a.pdf").startsWith("%PDF"));
    // The default bars are aqua: the picture shows them.
    const QImage image(folder + "/d.png");
    int aqua = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            aqua += image.pixel(x, y) == qRgb(0, 255, 255);
    EXPECT_GT(aqua, 100);
    // Rendering leaves the timeline and its folder as they were.
    EXPECT_EQ(vztest::ReadAll(file), before);
    EXPECT_FALSE(QDir(folder).entryList(QDir::Files).contains("Event.ff2"));
}

TEST_F(RenderCommandTest, NamedViewsAreShownAndWrongInputIsRefused) {
    const TRun view = Cli({"render", file, folder + "/v.png", "--view", "home"});
    EXPECT_EQ(view.Status, 0) << view.Err.toStdString();
    EXPECT_EQ(QImage(folder + "/v.png").size(), QSize(1600, 1000));
    const TRun missing = Cli({"render", file, folder + "/x.png", "--view", "Battles"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_TRUE(missing.Err.contains("The timeline has no view named \"Battles\".")) << missing.Err.toStdString();
    struct TCase {
        QStringList Args;
        int Status;
    };
    const TCase cases[] = {
        {{"render", file, folder + "/x.gif"}, 2},
        {{"render", file}, 2},
        {{"render", file, folder + "/x.png", "--width", "0"}, 2},
        {{"render", file, folder + "/x.png", "--axis-pos", "7"}, 2},
        {{"render", file, folder + "/x.png", "--orientation", "diagonal"}, 2},
        {{"render", folder + "/missing.tml", folder + "/x.png"}, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Args.join(' ').toStdString());
        EXPECT_EQ(Cli(c.Args).Status, c.Status);
    }
    EXPECT_FALSE(QFileInfo::exists(folder + "/x.png"));
    EXPECT_FALSE(QFileInfo::exists(folder + "/x.gif"));
}
