// new, add, list and info: timelines created, changed and read through the file sequences.
#include "app/TimelineDocument.h"
#include "cli/CliCommand.h"
#include "common/Errors.h"

#include <QFileInfo>

namespace {
const QString kFile = QStringLiteral("FILE.tml");

QString RequireFile(const TCliArgs& args) {
    if (args.Positional().size() != 1)
        throw TCliUsageError{QStringLiteral("Give exactly one timeline file.")};
    return args.Positional().first();
}

double RequireNumber(const QString& option, const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw TCliRefused{QStringLiteral("The value of --%1 is not a number: %2").arg(option, text)};
    return value;
}

QString Number(const QVariant& v) {
    return v.isValid() ? QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest) : QString();
}

int RunNew(const TCliArgs& args) {
    args.AllowOnly({QStringLiteral("units")});
    const QString path = QFileInfo(RequireFile(args)).absoluteFilePath();
    int units = usCalendarDates;
    if (const auto text = args.Option(QStringLiteral("units"))) {
        bool ok = false;
        units = text->toInt(&ok);
        if (!ok || !IsValidUnitSystem(units))
            throw TCliUsageError{QStringLiteral("The unit system code must be 0 to 7.")};
    }
    if (QFileInfo::exists(path))
        throw TCliRefused{QStringLiteral("The file \"%1\" already exists.").arg(path)};
    TTimelineDocument doc;
    TCliSession session(doc);
    if (!doc.File().NewTimeline())
        throw TCliRefused{};
    doc.Timeline().SetUnits(TUnitSystem(units));
    if (!doc.File().WriteTimelineFile(path))
        throw TCliRefused{};
    return 0;
}

int RunAdd(const TCliArgs& args) {
    args.AllowOnly({QStringLiteral("name"), QStringLiteral("start"), QStringLiteral("end"),
                    QStringLiteral("description")});
    const QString path = RequireFile(args);
    const auto name = args.Option(QStringLiteral("name"));
    const auto start = args.Option(QStringLiteral("start"));
    if (!name || !start)
        throw TCliUsageError{QStringLiteral("--name and --start are required.")};
    const double startValue = RequireNumber(QStringLiteral("start"), *start);
    std::optional<double> endValue;
    if (const auto end = args.Option(QStringLiteral("end")))
        endValue = RequireNumber(QStringLiteral("end"), *end);

    TTimelineDocument doc;
    TCliSession session(doc);
    CliOpen(doc, path, true);
    TdtmMain& dm = doc.Data();
    TSkipDateEntryScope skip(dm);
    dm.tblEvent.Insert();
    dm.tblEvent.SetValue(QStringLiteral("Name"), *name);
    dm.tblEvent.SetValue(QStringLiteral("Start"), startValue);
    dm.tblEvent.SetValue(QStringLiteral("End"), endValue ? QVariant(*endValue) : QVariant());
    if (const auto description = args.Option(QStringLiteral("description")))
        dm.tblEvent.SetValue(QStringLiteral("Description"), *description);
    dm.tblEvent.SetValue(QStringLiteral("Formatting"), QString());
    dm.tblEvent.Post();
    const int id = dm.tblEvent.AsInteger(QStringLiteral("ID"));
    CliSave(doc);
    CliOut(QString::number(id));
    return 0;
}

int RunList(const TCliArgs& args) {
    args.AllowOnly({});
    const QString path = RequireFile(args);
    TTimelineDocument doc;
    TCliSession session(doc);
    CliOpen(doc, path, false);
    TQuery& q = doc.Data().qryEvent;
    for (q.First(); !q.Eof(); q.Next())
        CliOut(QStringLiteral("%1\t%2\t%3\t%4")
                   .arg(q.AsString(QStringLiteral("ID")), Number(q.Value(QStringLiteral("Start"))),
                        Number(q.Value(QStringLiteral("End"))), q.AsString(QStringLiteral("Name"))));
    return 0;
}

int RunInfo(const TCliArgs& args) {
    args.AllowOnly({});
    const QString path = RequireFile(args);
    TTimelineDocument doc;
    TCliSession session(doc);
    CliOpen(doc, path, false);
    TdtmMain& dm = doc.Data();
    CliOut(QStringLiteral("File: ") + QFileInfo(path).absoluteFilePath());
    CliOut(QStringLiteral("Events: %1").arg(dm.tblEvent.RecordCount()));
    CliOut(QStringLiteral("Groups: %1").arg(dm.tblCategory.RecordCount()));
    CliOut(QStringLiteral("Units: %1").arg(int(doc.Timeline().Units())));
    return 0;
}
} // namespace

TCliSession::~TCliSession() {
    try {
        CliClose(m_doc);
    } catch (...) {
    }
}

void RegisterStorageCommands(TCliRegistry& registry) {
    registry.push_back({QStringLiteral("new"), QStringLiteral("new ") + kFile + QStringLiteral(" [--units CODE]"), {}, RunNew});
    registry.push_back({QStringLiteral("add"),
                        QStringLiteral("add ") + kFile + QStringLiteral(" --name TEXT --start VALUE [--end VALUE] [--description TEXT]"),
                        {},
                        RunAdd});
    registry.push_back({QStringLiteral("list"), QStringLiteral("list ") + kFile, {}, RunList});
    registry.push_back({QStringLiteral("info"), QStringLiteral("info ") + kFile, {}, RunInfo});
}
