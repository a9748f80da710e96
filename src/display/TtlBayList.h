// The bays of the display: automatic placement of events whose stored position is NULL, in one
// of four layout styles (0 "Tight", 1 "Groups", 2 "Manual", 3 "Hybrid"), and the snapping of
// dragged events. Emptied at the start of every build.
#pragma once

#include "display/TtlBay.h"
#include "display/TtlFirstFit.h"
#include "storage/DisplaySettings.h"

#include <memory>
#include <unordered_map>
#include <vector>

class TTimeLine;
class TtlEvent;

class TtlBayList {
public:
    // The offset an event gets when no bay takes it (a layout style above 3).
    static constexpr int UnplacedX = 533;

    explicit TtlBayList(TTimeLine& owner);
    ~TtlBayList();

    TBaySettings& Settings() { return m_settings; }
    const TBaySettings& Settings() const { return m_settings; }
    int BayWidth() const { return m_settings.BayWidth; }
    void SetBayWidth(int width) { m_settings.BayWidth = width; }
    float BayOffset() const { return m_settings.BayOffset; }
    void SetBayOffset(float offset) { m_settings.BayOffset = offset; }
    int Layout() const { return m_settings.Layout; }
    void SetLayout(int layout) { m_settings.Layout = layout; }
    // round(BayWidth × BayOffset): how far a bar's near edge lies before its bay line.
    int OffsetPixels() const;

    void Clear();
    int Count() const { return int(m_bays.size()); }
    TtlBay& At(int index) { return *m_bays[size_t(index)]; }
    const TtlBay& At(int index) const { return *m_bays[size_t(index)]; }

    // Appends a bay at the next offset of the orientation and position pair. A pair outside
    // the valid ones is laid out like the valid pair with the same axis line: a vertical axis
    // at 3 or 4 like one at the left, a horizontal axis at 0 like one at the top.
    TtlBay& NewBay();
    // The bay for an event whose X is NULL; nullptr for a layout style above 3.
    TtlBay* PlaceEvent(const TtlEvent& event);
    // The offset a drag that ended at `raw` (from the axis line, no sign change) snaps to.
    int SnapToBay(int raw) const;

private:
    TtlBay& Append(int x, const QString& group);
    TtlBay* PlaceFirstFit(const TtlEvent& event, bool byGroup);

    TTimeLine& m_owner;
    TBaySettings m_settings;
    std::vector<std::unique_ptr<TtlBay>> m_bays;
    // The bays made by first-fit placement, all of them and those of each group (by the
    // case-folded name), each with the bay's position in the two trees (−1 when not in one).
    TtlFirstFit m_all;
    std::unordered_map<QString, TtlFirstFit> m_byGroup;
    std::vector<int> m_allPosition;
    std::vector<int> m_groupPosition;
};
