// The program as processes: two real starts on one account.
#include "AppFixture.h"

#include "app/TSingleInstance.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

namespace {
QProcessEnvironment ProgramEnvironment(const QString& root) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* sub : {"home", "config", "runtime"})
        QDir().mkpath(root + "/" + sub);
    QFile::setPermissions(root + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert("HOME", root + "/home");
    env.insert("XDG_CONFIG_HOME", root + "/config");
    env.insert("XDG_RUNTIME_DIR", root + "/runtime");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VZ_SCRIPTED_DIALOGS", "1");
    return env;
}

bool WaitFor(const std::function<bool()>& condition, int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}
} // namespace

TEST(Process, ASecondStartSaysSoAndLeavesTheFirstsTimelineAlone) {
    const QString root = vztest::NewTempFolder("proc");
    const QString data = root + "/data/";
    QDir().mkpath(data);
    MakeTimelineFile(data + "History.tml", 5);
    const QByteArray before = vztest::ReadAll(data + "History.tml");

    QProcess first;
    first.setProcessEnvironment(ProgramEnvironment(root));
    first.start(VZ_APP_PATH, {data + "History.tml"});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(data + "Event.ff2"); }, 60000))
        << "the first copy opens its timeline: " << first.readAllStandardError().toStdString();
    QThread::msleep(300);

    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(root));
    second.start(VZ_APP_PATH, {data + "History.tml"});
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError())
                    .contains(QString(TSingleInstance::AlreadyRunningText()).replace("\r\n", "\n")));
    EXPECT_TRUE(QFileInfo::exists(data + "Event.ff2")) << "the first copy keeps its timeline open";
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate(); // closes like Exit
    ASSERT_TRUE(first.waitForFinished(60000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(vztest::ReadAll(data + "History.tml"), before);
    EXPECT_EQ(QDir(data).entryList(QDir::Files), QStringList{"History.tml"}) << "the first copy tidied up at its end";
    EXPECT_TRUE(QFileInfo::exists(root + "/config/Corvane/tl/quistor.ini")) << "the defaults are written at the end";
}
