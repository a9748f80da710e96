// Vezizivu: one instance per user session; the main window, then the main loop.
#include "app/ApplicationTitle.h"
#include "app/TSingleInstance.h"
#include "app/ui/TAppEventFilter.h"
#include "app/ui/TQtDialogs.h"
#include "app/ui/TVezizivuApplication.h"
#include "app/ui/TfrmMain.h"
#include "common/Dialogs.h"
#include "common/ScriptedDialogs.h"

#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_signalPipe[2] = {-1, -1};

void OnTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

// The end of a desktop session asks the program to close like its Exit command.
void CloseOnTerminate(TfrmMain& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &byte, 1);
        window.close();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
} // namespace

int main(int argc, char** argv) {
    TVezizivuApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("Vezizivu"));
    SetApplicationTitle(StartTitle());

    // VZ_SCRIPTED_DIALOGS=1 answers every question with its default and prints the messages
    // (unattended runs and the tests that start the program).
    std::unique_ptr<TDialogs> dialogs;
    if (qEnvironmentVariable("VZ_SCRIPTED_DIALOGS") == QLatin1String("1")) {
        auto scripted = std::make_unique<TScriptedDialogs>();
        scripted->SetDefaultAnswer(TMsgButton::No);
        scripted->SetEcho([](const TScriptedDialogs::TShown& shown) {
            std::fprintf(stderr, "%s\n", QString(shown.Text).replace(QLatin1String("\r\n"), QLatin1String("\n")).toUtf8().constData());
        });
        dialogs = std::move(scripted);
    } else {
        dialogs = std::make_unique<TQtDialogs>();
    }
    TDialogsScope dialogsScope(*dialogs);

    // A second instance says so and ends without reading, writing or opening anything.
    const TSingleInstance instance;
    if (instance.AlreadyRunning()) {
        Dialogs().ShowMessage(TMsgKind::Information, TSingleInstance::AlreadyRunningText(), ApplicationTitle());
        return 0;
    }

    TfrmMain window(QApplication::arguments());
    if (auto* qtDialogs = dynamic_cast<TQtDialogs*>(dialogs.get()))
        qtDialogs->SetFallbackParent(&window);
    app.SetErrorHandler([&window](const std::exception& e) { window.HandleError(e); });
    TAppEventFilter inputRules([&window] { return window.HintsOn(); });
    app.installEventFilter(&inputRules);
    CloseOnTerminate(window);
    window.show();
    const int result = app.exec();
    try {
        window.FormDestroy();
    } catch (const std::exception& e) {
        Dialogs().Error(QString::fromLocal8Bit(e.what()));
    }
    return result;
}
