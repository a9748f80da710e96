// new, add, list and info: timelines created, changed and read through the file sequences.
#include "app/TimelineDocument.h"
#include "cli/CliCommand.h"
#include "common/ColourText.h"
#include "common/Errors.h"
#include "common/FontText.h"
#include "storage/IniFile.h"
#include "storage/EventTimes.h"
#include "time/TmLnDateUtils.h"
#include "time/UnitTable.h"

#include <QFileInfo>

namespace {
const QString kFile = QStringLiteral("FILE.tml");

QString RequireFile(const TCliArgs& args) {
    if (args.Positional().size() != 1)
        throw TCliUsageError{QStringLiteral("Give exactly one timeline file.")};
    return args.Positional().first();
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
    doc.ChangeUnitSystem(TUnitSystem(units));
    if (!doc.File().WriteTimelineFile(path))
        throw TCliRefused{};
    return 0;
}

// A date typed for Calendar Dates: the short date format or yyyy-mm-dd.
struct TTypedDate {
    TTimeValue Value = 0;
    QString Text;
};

TTypedDate ReadTypedDate(const QString& option, const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    QDate date = QDate::fromString(t, Qt::ISODate);
    if (!date.isValid())
        date = ReadShortDate(t);
    if (!date.isValid())
        throw TCliRefused{QStringLiteral("The value of --%1 is not a date: %2 (type it as %3 or yyyy-mm-dd)")
                              .arg(option, text, ShortDateFormat().toLower())};
    return {DateToValue(date), ShortDateText(date)};
}

int RunAdd(const TCliArgs& args) {
    args.AllowOnly({QStringLiteral("name"), QStringLiteral("start"), QStringLiteral("start-minor"),
                    QStringLiteral("end"), QStringLiteral("end-minor"), QStringLiteral("description")});
    const QString path = RequireFile(args);
    const auto name = args.Option(QStringLiteral("name"));
    const auto start = args.Option(QStringLiteral("start"));
    if (!name || !start)
        throw TCliUsageError{QStringLiteral("--name and --start are required.")};
    auto text = [&](const char* option) {
        return args.Option(QString::fromLatin1(option)).value_or(QString()).trimmed();
    };

    TTimelineDocument doc;
    TCliSession session(doc);
    CliOpen(doc, path, true);
    TdtmMain& dm = doc.Data();
    const TUnitSystem units = doc.Timeline().Units();
    QString startMajor = start->trimmed(), startMinor = text("start-minor");
    QString endMajor = text("end"), endMinor = text("end-minor");
    if (units == usCalendarDates) {
        if (!startMinor.isEmpty() || !endMinor.isEmpty())
            throw TCliUsageError{QStringLiteral("Calendar Dates take no minor values.")};
        const TTypedDate startDate = ReadTypedDate(QStringLiteral("start"), startMajor);
        const TTypedDate endDate = ReadTypedDate(QStringLiteral("end"), endMajor);
        if (ValidateEventTime({}, {}, {}, {}, startDate.Value, endDate.Value, startDate.Text,
                              endDate.Text, ValidatorModeFor(units), true, *name))
            return 1;
        startMajor = startDate.Text;
        endMajor = endDate.Text;
    } else if (ValidateEventTime(startMajor, startMinor, endMajor, endMinor, 0, 0, {}, {},
                                 ValidatorModeFor(units), true, *name)) {
        return 1;
    }
    TSkipDateEntryScope skip(dm);
    dm.tblEvent.Insert();
    dm.tblEvent.SetValue(QStringLiteral("Name"), *name);
    StoreStartEnd(startMajor, startMinor, endMajor, endMinor, units, dm.tblEvent);
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
    args.AllowOnly({QStringLiteral("search"), QStringLiteral("view")});
    const QString path = RequireFile(args);
    const auto search = args.Option(QStringLiteral("search"));
    const auto view = args.Option(QStringLiteral("view"));
    if (search && view)
        throw TCliUsageError{QStringLiteral("Give --search or --view, not both.")};
    TTimelineDocument doc;
    TCliSession session(doc);
    CliOpen(doc, path, false);
    if (search || view)
        return CliListSearchOrView(doc, search, view);
    // Every event of the timeline, in stored order.
    TQuery& q = doc.Data().qryEvent;
    q.SetSQL(TdtmMain::DefaultEventSql());
    q.Open();
    for (q.First(); !q.Eof(); q.Next())
        CliOut(QStringLiteral("%1\t%2").arg(q.AsString(QStringLiteral("Date")),
                                            q.AsString(QStringLiteral("Name"))
                                                .replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    return 0;
}

int RunUnits(const TCliArgs& args) {
    args.AllowOnly({});
    if (args.Positional().size() != 2)
        throw TCliUsageError{QStringLiteral("Give the timeline file and the unit system code.")};
    bool ok = false;
    const int code = args.Positional()[1].toInt(&ok);
    if (!ok || !IsValidUnitSystem(code))
        throw TCliUsageError{QStringLiteral("The unit system code must be 0 to 7.")};
    TTimelineDocument doc;
    TCliSession session(doc);
    CliOpen(doc, args.Positional()[0], true);
    if (doc.Timeline().Units() != TUnitSystem(code)) {
        // Stored values are not converted: they are read in the new system from now on. The
        // axis caption and style follow as they do for the unit commands of the window.
        doc.ChangeUnitSystem(TUnitSystem(code));
        CliSave(doc);
    }
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
    CliOut(QStringLiteral("Units: %1 (%2)").arg(int(doc.Timeline().Units())).arg(UnitMenuCaption(doc.Timeline().Units())));
    const TSettingsParts parts = doc.SettingsParts();
    auto orNone = [](const QString& text) { return text.isEmpty() ? QStringLiteral("(none)") : text; };
    CliOut(QStringLiteral("ID: ") + orNone(parts.Timeline->TimelineID));
    CliOut(QStringLiteral("Source ID: ") + orNone(parts.Timeline->SourceID));
    CliOut(QStringLiteral("Source name: ") + orNone(parts.Timeline->SourceName));
    CliOut(QStringLiteral("Password protected: ") + (doc.HasPassword() ? QStringLiteral("yes") : QStringLiteral("no")));
    CliOut(QStringLiteral("Axis caption: ") + parts.Axis->Caption);
    CliOut(QStringLiteral("Axis style: %1").arg(parts.Axis->Style));
    CliOut(QStringLiteral("Label format: ") + TIniFile::EncodeLineBreaks(parts.Timeline->LabelFmt));
    CliOut(QStringLiteral("Label font: ") + FontToText(parts.Events->LabelFont));
    CliOut(QStringLiteral("Bar colour: ") + ColorToText(parts.Events->BarColor));
    CliOut(QStringLiteral("Legend shown: ") + (parts.Legend->Visible ? QStringLiteral("yes") : QStringLiteral("no")));
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
                        QStringLiteral("add ") + kFile +
                            QStringLiteral(" --name TEXT --start TEXT [--start-minor TEXT] [--end TEXT]"
                                           " [--end-minor TEXT] [--description TEXT]"),
                        {},
                        RunAdd});
    registry.push_back({QStringLiteral("list"), QStringLiteral("list ") + kFile + QStringLiteral(" [--search TEXT | --view NAME]"),
                        {}, RunList});
    registry.push_back({QStringLiteral("units"), QStringLiteral("units ") + kFile + QStringLiteral(" CODE"), {},
                        RunUnits});
    registry.push_back({QStringLiteral("info"), QStringLiteral("info ") + kFile, {}, RunInfo});
}
