// TRANSITIONAL: the display settings parts, held here until the timeline control and its axis,
// event list, bay list and legend own them. When they do, TTimelineDocument::SettingsParts()
// returns the timeline's parts and this holder goes; nothing else refers to it.
//
// TTimeLine keeps its own copy of the unit system, the password and the caption-follows-units
// flag (the storage code reads them there); PullFrom and PushTo keep the two copies equal
// around every settings read and write.
#pragma once

#include "display/TmLn.h"
#include "storage/DisplaySettings.h"

struct TTransitionalSettings {
    TTimelineSettings Timeline;
    TAxisSettings Axis;
    TEventListSettings Events;
    TBaySettings Bays;
    TLegendSettings Legend;

    TSettingsParts Parts(TAppOptions* app) { return {&Timeline, &Axis, &Events, &Bays, &Legend, app}; }

    void PullFrom(const TTimeLine& timeline) {
        Timeline.Units = timeline.Units();
        Timeline.Password = timeline.Password();
        Timeline.CaptionFollowsUnits = timeline.CaptionFollowsUnits();
    }
    void PushTo(TTimeLine& timeline) const {
        timeline.SetUnits(Timeline.Units);
        timeline.SetPassword(Timeline.Password);
        timeline.SetCaptionFollowsUnits(Timeline.CaptionFollowsUnits);
    }
};
