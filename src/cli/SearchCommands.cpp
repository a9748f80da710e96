// views, and the --search and --view forms of list: what the program's search and views show,
// through the same search flow the main window uses.
#include "app/TimelineDocument.h"
#include "cli/CliCommand.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "search/Views.h"

namespace {
void PrintNotice(TSearchFlow::TOutcome outcome) {
    if (outcome == TSearchFlow::TOutcome::TooMany) {
        CliErr(TSearchFlow::TooManyResultsTitle());
        CliErr(TSearchFlow::TooManyResultsText());
    } else if (outcome == TSearchFlow::TOutcome::NoResults) {
        CliErr(TSearchFlow::NoResultsText());
    }
}

QString LineText(const QString& date, QString name) {
    return date + QLatin1Char('\t') + name.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

int RunViews(const TCliArgs& args) {
    args.AllowOnly({});
    if (args.Positional().size() != 1)
        throw TCliUsageError{QStringLiteral("Give exactly one timeline file.")};
    TTimelineDocument doc;
    TCliSession session(doc);
    CliOpen(doc, args.Positional().first(), false);
    for (const QString& name : doc.SearchFlow().ViewNames())
        CliOut(name);
    return 0;
}
} // namespace

QString CliViewName(TTimelineDocument& doc, const QString& name) {
    for (const QString& listed : doc.SearchFlow().ViewNames())
        if (listed.compare(name, Qt::CaseInsensitive) == 0)
            return listed;
    throw TCliRefused{QStringLiteral("The timeline has no view named \"%1\".").arg(name)};
}

int CliListSearchOrView(TTimelineDocument& doc, const std::optional<QString>& searchText,
                        const std::optional<QString>& viewName) {
    TSearchFlow& flow = doc.SearchFlow();
    if (searchText) {
        // "Search..." with this search text.
        flow.SetSearchText(*searchText);
        flow.Search();
    } else {
        flow.ShowView(CliViewName(doc, *viewName));
    }
    switch (flow.LastOutcome()) {
    case TSearchFlow::TOutcome::Stopped:
        throw TCliRefused{};
    case TSearchFlow::TOutcome::TooMany:
    case TSearchFlow::TOutcome::NoResults:
        PrintNotice(flow.LastOutcome());
        return 0;
    default:
        break;
    }
    if (searchText) {
        const QStringList lines = doc.Timeline().Events().ListText().split(QStringLiteral("\r\n"));
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            CliOut(lines[i]);
        return 0;
    }
    // A view shows its events without the ones it keeps blown away or hidden under a parent.
    for (const auto& event : doc.Timeline().Events().Items())
        if (event->IsShown())
            CliOut(LineText(event->DateText(), event->Name()));
    return 0;
}

void RegisterSearchCommands(TCliRegistry& registry) {
    registry.push_back({QStringLiteral("views"), QStringLiteral("views FILE.tml"), {}, RunViews});
}
