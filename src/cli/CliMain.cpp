// vezizivu-cli: creates, lists and changes timelines without a window.
#include "app/TimelineDocument.h"
#include "cli/CliCommand.h"
#include "common/Dialogs.h"
#include "common/Errors.h"
#include "common/ScriptedDialogs.h"

#include <QGuiApplication>
#include <QLocale>

#include <cstdio>

namespace {
TScriptedDialogs* g_dialogs = nullptr;

void PrintUsage(const TCliRegistry& registry) {
    CliErr(QStringLiteral("Usage: vezizivu-cli COMMAND ARGUMENTS"));
    for (const TCliCommand& c : registry)
        CliErr(QStringLiteral("  vezizivu-cli ") + c.Usage);
}
} // namespace

void CliOut(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void CliErr(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

void CliOpen(TTimelineDocument& doc, const QString& path, bool forWriting) {
    if (!QFileInfo(path).isFile())
        throw TCliRefused{QStringLiteral("The file \"%1\" does not exist.").arg(path)};
    // A folder in use is opened as a copy for viewing, which a command never changes.
    // A command that changes the file does not display it: only its own change is saved.
    doc.SetDisplayOnOpen(!forWriting);
    g_dialogs->ClearAnswers();
    g_dialogs->QueueAnswer(forWriting ? TMsgButton::Cancel : TMsgButton::Ok);
    const bool opened = doc.File().OpenTimeline(path);
    const bool inUse = g_dialogs->PendingAnswers() == 0;
    g_dialogs->ClearAnswers();
    if (!opened) {
        if (forWriting && inUse)
            throw TCliRefused{QStringLiteral("The timeline is open elsewhere; it was not changed.")};
        throw TCliRefused{};
    }
}

void CliSave(TTimelineDocument& doc) {
    if (!doc.File().SaveTimeline(false))
        throw TCliRefused{QStringLiteral("The timeline was not saved.")};
}

void CliClose(TTimelineDocument& doc) {
    // A command saves what it changes itself; whatever else changed (positions the display
    // placed) is discarded without asking.
    g_dialogs->SetDefaultAnswer(TMsgButton::No);
    g_dialogs->SetEcho({});
    doc.File().CloseTimeline();
}

// Qt's note about a missing runtime folder says nothing to a user of the tool.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (type != QtDebugMsg)
        CliErr(message);
}

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietMessages);
    // Fonts and pictures need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Corvane"));
    QGuiApplication::setApplicationName(QStringLiteral("Vezizivu"));

    TScriptedDialogs dialogs;
    dialogs.SetEcho([](const TScriptedDialogs::TShown& shown) {
        if (!shown.Text.isEmpty())
            CliErr(QString(shown.Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    });
    g_dialogs = &dialogs;
    TDialogsScope scope(dialogs);

    TCliRegistry registry;
    RegisterStorageCommands(registry);
    RegisterRenderCommands(registry);
    RegisterSearchCommands(registry);

    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        PrintUsage(registry);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const TCliCommand& command : registry) {
        if (command.Name != name)
            continue;
        try {
            return command.Run(TCliArgs(args, command.Flags));
        } catch (const TCliUsageError& e) {
            CliErr(e.Message);
            CliErr(QStringLiteral("Usage: vezizivu-cli ") + command.Usage);
            return 2;
        } catch (const TCliRefused& e) {
            if (!e.Message.isEmpty())
                CliErr(e.Message);
            return 1;
        } catch (const EAbort&) {
            return 1;
        } catch (const EVzError& e) {
            CliErr(QString(e.Message()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            return 1;
        } catch (const std::exception& e) {
            CliErr(QString::fromLocal8Bit(e.what()));
            return 1;
        }
    }
    CliErr(QStringLiteral("Unknown command \"%1\".").arg(name));
    PrintUsage(registry);
    return 2;
}
