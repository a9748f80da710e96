// The commands of vezizivu-cli. Each subsystem registers its commands in its own file.
#pragma once

#include "cli/CliArgs.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class TTimelineDocument;

struct TCliCommand {
    QString Name;
    QString Usage;     // e.g. "list FILE.tml"
    QStringList Flags; // options that take no value
    // Runs the command; returns the exit status. Throws TCliUsageError or TCliRefused.
    std::function<int(const TCliArgs& args)> Run;
};

using TCliRegistry = std::vector<TCliCommand>;

void RegisterStorageCommands(TCliRegistry& registry);
void RegisterRenderCommands(TCliRegistry& registry);
void RegisterSearchCommands(TCliRegistry& registry);

// Output helpers: UTF-8 lines on standard output and standard error.
void CliOut(const QString& line);
void CliErr(const QString& line);

// Opens `path` into `doc` the way the program opens a timeline. `forWriting` refuses a file
// whose folder is in use instead of opening a copy. Throws TCliRefused when the file cannot be
// opened (its message has been printed).
void CliOpen(TTimelineDocument& doc, const QString& path, bool forWriting);
// Saves the open timeline under its own name.
void CliSave(TTimelineDocument& doc);
// Closes the open timeline without saving and removes its working files.
void CliClose(TTimelineDocument& doc);

// The stored spelling of the view `name` (letter case ignored); throws TCliRefused when the
// timeline has no such view.
QString CliViewName(TTimelineDocument& doc, const QString& name);
// list --search TEXT / --view NAME: the events "Search..." with that text shows, or those the
// view shows; the too-many and no-results notices go to standard error (status 0).
int CliListSearchOrView(TTimelineDocument& doc, const std::optional<QString>& searchText,
                        const std::optional<QString>& viewName);

// Closes the document's timeline when a command ends, however it ends.
class TCliSession {
public:
    explicit TCliSession(TTimelineDocument& doc) : m_doc(doc) {}
    ~TCliSession();
    TCliSession(const TCliSession&) = delete;
    TCliSession& operator=(const TCliSession&) = delete;

private:
    TTimelineDocument& m_doc;
};
