#include "storage/TimelineSettings.h"

#include "common/ColourText.h"
#include "common/FontText.h"
#include "common/MiscUtils.h"
#include "storage/IniFile.h"

namespace {
const QString G = QStringLiteral("General");
const QString P = QStringLiteral("Parenting");

// A font key: unchanged when empty.
void ReadFont(const TIniFile& ini, const QString& key, TFontDef& font) {
    const QString text = ini.ReadString(G, key, {});
    if (!text.isEmpty())
        TextToFont(text, font);
}

// A colour key: `whenEmpty` (or unchanged) when empty.
void ReadColour(const TIniFile& ini, const QString& key, TColor& colour,
                std::optional<TColor> whenEmpty = std::nullopt) {
    const QString text = ini.ReadString(G, key, {}).trimmed();
    if (!text.isEmpty())
        colour = TextToColor(text);
    else if (whenEmpty)
        colour = *whenEmpty;
}
} // namespace

void ClampLegend(TLegendSettings& legend, const TLegendBounds& bounds) {
    if (!bounds.Known)
        return;
    if (bounds.SurfaceWidth < legend.Left)
        legend.Left = bounds.SurfaceWidth - bounds.LegendWidth;
    if (legend.Left < 0)
        legend.Left = 0;
    if (bounds.SurfaceHeight < legend.Top)
        legend.Top = bounds.SurfaceHeight - bounds.LegendHeight;
    // A legend taller than the surface keeps its top edge visible.
    if (legend.Top < 0)
        legend.Top = 0;
}

void ReadTimelineSettings(const QString& path, bool timelineMode, const TSettingsParts& parts,
                          const TSettingsContext& context) {
    const TIniFile ini(path);
    TTimelineSettings& tl = *parts.Timeline;
    TAxisSettings& axis = *parts.Axis;
    TEventListSettings& events = *parts.Events;
    TBaySettings& bays = *parts.Bays;
    TLegendSettings& legend = *parts.Legend;

    if (timelineMode) {
        tl.Password = ini.ReadText(G, QStringLiteral("Checksum"), tl.Password);
        if (ini.ValueExists(G, QStringLiteral("AxisCaption"))) {
            axis.Caption = ini.ReadText(G, QStringLiteral("AxisCaption"), axis.Caption);
            tl.CaptionFollowsUnits = false;
        }
        tl.TimelineID = ini.ReadText(G, QStringLiteral("ID"), {});
        tl.SourceID = ini.ReadText(G, QStringLiteral("SourceID"), {});
        tl.SourceName = ini.ReadText(G, QStringLiteral("SourceName"), {});
    } else {
        TAppOptions& app = *parts.App;
        app.HintsOn = ini.ReadBool(G, QStringLiteral("HintsOn"), app.HintsOn);
        app.NewTimelineWizard = ini.ReadBool(G, QStringLiteral("NewTimelineWizard"), app.NewTimelineWizard);
        app.MyTimelinesFolder = ini.ReadText(G, QStringLiteral("MyTimelines"), app.MyTimelinesFolder);
        if (app.MyTimelinesFolder.isEmpty())
            app.MyTimelinesFolder = context.PersonalFolder + QStringLiteral("My Timelines");
        events.MaxEvents = ini.ReadInteger(G, QStringLiteral("MaxEvents"), events.MaxEvents);
    }

    const int units = ini.ReadInteger(G, QStringLiteral("Units"), usCalendarDates);
    tl.Units = IsValidUnitSystem(units) ? TUnitSystem(units) : usCalendarDates;

    events.ShowRealBarHeight = ini.ReadBool(G, QStringLiteral("ShowRealBarHeight"), events.ShowRealBarHeight);
    events.MinBarHeight = ini.ReadInteger(G, QStringLiteral("MinBarHeight"), events.MinBarHeight);
    events.EventSnap = ini.ReadInteger(G, QStringLiteral("EventSnap"), events.EventSnap);
    bays.BayWidth = ini.ReadInteger(G, QStringLiteral("BayWidth"), bays.BayWidth);
    tl.ParentChildDisplay = ini.ReadBool(P, QStringLiteral("Display"), tl.ParentChildDisplay);
    bays.BayOffset = float(ini.ReadFloat(G, QStringLiteral("BayOffset"), double(bays.BayOffset)));
    events.AutoWrapLabels = ini.ReadBool(G, QStringLiteral("AutoWrapLabels"), events.AutoWrapLabels);
    tl.BarWidthOrd = ini.ReadInteger(G, QStringLiteral("BarWidthOrd"), tl.BarWidthOrd);

    tl.LabelFmt = ini.ReadText(G, QStringLiteral("LabelFmt"), tl.LabelFmt);
    ReadFont(ini, QStringLiteral("LabelFont"), events.LabelFont);

    legend.Left = ini.ReadInteger(G, QStringLiteral("LegendLeft"), legend.Left);
    legend.Top = ini.ReadInteger(G, QStringLiteral("LegendTop"), legend.Top);
    ClampLegend(legend, context.Legend);
    legend.Visible = ini.ReadBool(G, QStringLiteral("ShowLegend"), legend.Visible);

    ReadColour(ini, QStringLiteral("BarColor"), events.BarColor);
    ReadColour(ini, QStringLiteral("BarOutlineColor"), events.BarOutlineColor, clBlack);
    ReadFont(ini, QStringLiteral("AxisFont"), axis.Font);
    ReadFont(ini, QStringLiteral("LegendFont"), legend.Font);
    ReadColour(ini, QStringLiteral("AxisLabelColor"), axis.LabelBackground);

    axis.CaptionPos = ini.ReadInteger(G, QStringLiteral("AxisCaptionPos"), 1);
    tl.AxisOrientation = ini.ReadInteger(G, QStringLiteral("AxisOrientation"), 0) != 0;
    tl.AxisPos = ini.ReadInteger(G, QStringLiteral("AxisPos"), 1);

    axis.Style = ini.ReadInteger(G, QStringLiteral("AxisStyle"), 1);
    events.TransparentLabels = ini.ReadBool(G, QStringLiteral("TransparentLabels"), events.TransparentLabels);
    axis.Gridlines = ini.ReadBool(G, QStringLiteral("Gridlines"), axis.Gridlines);
    ReadColour(ini, QStringLiteral("LegendColor"), legend.Color);
    bays.Layout = ini.ReadInteger(G, QStringLiteral("Layout"), bays.Layout);
}

void WriteTimelineSettings(const QString& path, bool timelineMode, const TSettingsParts& parts) {
    TIniFile ini(path);
    TTimelineSettings& tl = *parts.Timeline;
    const TAxisSettings& axis = *parts.Axis;
    const TEventListSettings& events = *parts.Events;
    const TBaySettings& bays = *parts.Bays;
    const TLegendSettings& legend = *parts.Legend;

    if (timelineMode) {
        ini.WriteString(G, QStringLiteral("SearchText"), tl.SearchText);
        ini.WriteString(G, QStringLiteral("AxisCaption"), axis.Caption);
        if (tl.TimelineID.isEmpty())
            tl.TimelineID = IdentityStamp();
        ini.WriteString(G, QStringLiteral("ID"), tl.TimelineID);
        ini.WriteString(G, QStringLiteral("SourceID"), tl.SourceID);
        ini.WriteString(G, QStringLiteral("SourceName"), tl.SourceName);
        ini.WriteString(G, QStringLiteral("Checksum"), tl.Password);
    } else {
        const TAppOptions& app = *parts.App;
        ini.WriteBool(G, QStringLiteral("HintsOn"), app.HintsOn);
        ini.WriteBool(G, QStringLiteral("NewTimelineWizard"), app.NewTimelineWizard);
        ini.WriteInteger(G, QStringLiteral("MaxEvents"), events.MaxEvents);
    }
    ini.WriteInteger(G, QStringLiteral("Units"), int(tl.Units));
    ini.WriteBool(G, QStringLiteral("ShowRealBarHeight"), events.ShowRealBarHeight);
    ini.WriteInteger(G, QStringLiteral("MinBarHeight"), events.MinBarHeight);
    ini.WriteInteger(G, QStringLiteral("EventSnap"), events.EventSnap);
    ini.WriteInteger(G, QStringLiteral("LayoutStyle"), bays.Layout);
    ini.WriteInteger(G, QStringLiteral("BayWidth"), bays.BayWidth);
    ini.WriteBool(P, QStringLiteral("Display"), tl.ParentChildDisplay);
    ini.WriteInteger(G, QStringLiteral("BarWidthOrd"), tl.BarWidthOrd);
    ini.WriteFloat(G, QStringLiteral("BayOffset"), double(bays.BayOffset));
    ini.WriteBool(G, QStringLiteral("AutoWrapLabels"), events.AutoWrapLabels);
    ini.WriteString(G, QStringLiteral("LabelFmt"), tl.LabelFmt);
    ini.WriteString(G, QStringLiteral("LabelFont"), FontToText(events.LabelFont));
    ini.WriteInteger(G, QStringLiteral("LegendLeft"), legend.Left);
    ini.WriteInteger(G, QStringLiteral("LegendTop"), legend.Top);
    ini.WriteBool(G, QStringLiteral("ShowLegend"), legend.Visible);
    ini.WriteString(G, QStringLiteral("BarColor"), ColorToText(events.BarColor));
    ini.WriteString(G, QStringLiteral("BarOutlineColor"), ColorToText(events.BarOutlineColor));
    ini.WriteString(G, QStringLiteral("AxisFont"), FontToText(axis.Font));
    ini.WriteString(G, QStringLiteral("LegendFont"), FontToText(legend.Font));
    ini.WriteString(G, QStringLiteral("AxisLabelColor"), ColorToText(axis.LabelBackground));
    ini.WriteInteger(G, QStringLiteral("AxisPos"), tl.AxisPos);
    ini.WriteInteger(G, QStringLiteral("AxisStyle"), axis.Style);
    ini.WriteInteger(G, QStringLiteral("AxisCaptionPos"), axis.CaptionPos);
    ini.WriteBool(G, QStringLiteral("TransparentLabels"), events.TransparentLabels);
    ini.WriteBool(G, QStringLiteral("Gridlines"), axis.Gridlines);
    ini.WriteString(G, QStringLiteral("LegendColor"), ColorToText(legend.Color));
    ini.WriteInteger(G, QStringLiteral("Layout"), bays.Layout);
    ini.WriteInteger(G, QStringLiteral("AxisOrientation"), int(tl.AxisOrientation) & 0x7F);
    ini.UpdateFile();
}

void WriteWizardOption(const QString& path, bool newTimelineWizard) {
    TIniFile ini(path);
    ini.WriteBool(G, QStringLiteral("NewTimelineWizard"), newTimelineWizard);
    ini.UpdateFile();
}
