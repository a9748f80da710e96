#include "display/TtlBayList.h"

#include "display/TmLn.h"
#include "display/TtlAxis.h"
#include "display/TtlBarLabel.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "time/TimeValues.h"

#include <cmath>
#include <limits>

namespace {
constexpr double kNotYet = std::numeric_limits<double>::infinity();

int SnapRound(double x, int snap) {
    return snap * int(RoundHalfEven(x / snap));
}
} // namespace

TtlBayList::TtlBayList(TTimeLine& owner) : m_owner(owner) {}

TtlBayList::~TtlBayList() = default;

int TtlBayList::OffsetPixels() const {
    return int(RoundHalfEven(double(m_settings.BayWidth) * double(m_settings.BayOffset)));
}

void TtlBayList::Clear() {
    m_bays.clear();
    m_all.Clear();
    m_byGroup.clear();
    m_allPosition.clear();
    m_groupPosition.clear();
}

TtlBay& TtlBayList::Append(int x, const QString& group) {
    m_bays.push_back(std::make_unique<TtlBay>());
    TtlBay& bay = *m_bays.back();
    bay.X = x;
    bay.Group = group;
    m_allPosition.push_back(-1);
    m_groupPosition.push_back(-1);
    return bay;
}

TtlBay& TtlBayList::NewBay() {
    const bool horizontal = m_owner.EffectiveHorizontal();
    const int pos = m_owner.EffectiveAxisPos();
    const int width = m_settings.BayWidth;
    enum { Alternating, Outward, Downward } rule;
    if (pos == 1)
        rule = Alternating;
    else if (horizontal && pos == 4)
        rule = Downward;
    else
        rule = Outward; // vertical 0, 2 (and 3, 4); horizontal 2, 3 (and 0)
    int x = 0;
    if (rule == Alternating) {
        const int prev = m_bays.empty() ? -1 : m_bays.back()->X;
        x = -prev;
        if (x > 0)
            x += width;
    } else {
        const int prev = m_bays.empty() ? 0 : m_bays.back()->X;
        x = rule == Outward ? prev + 1 + width : prev - 1 - width;
    }
    const int snap = std::max(1, m_owner.Events().EventSnap());
    return Append(SnapRound(x, snap), QString());
}

TtlBay* TtlBayList::PlaceEvent(const TtlEvent& event) {
    switch (m_settings.Layout) {
    case 0:
        return PlaceFirstFit(event, false);
    case 1:
    case 3:
        return PlaceFirstFit(event, true);
    case 2:
        return &Append(UnplacedX, QString());
    default:
        return nullptr;
    }
}

TtlBay* TtlBayList::PlaceFirstFit(const TtlEvent& event, bool byGroup) {
    const TtlAxis& axis = m_owner.Axis();
    const double minTime = axis.PixelsToExtent(m_owner.Events().MinBarHeight());
    const TTimeValue start = event.Start();
    const bool point = event.EventKind() == 1;
    auto fits = [&](double occupied) {
        return point ? start > occupied + minTime : start >= occupied;
    };
    const QString group = byGroup ? event.GroupName() : QString();
    TtlFirstFit* tree = group.isEmpty() ? &m_all : &m_byGroup[group.toCaseFolded()];
    const int found = tree->First(fits);
    int index = found >= 0 ? tree->BayAt(found) : -1;
    if (index < 0) {
        NewBay();
        index = Count() - 1;
        m_allPosition[size_t(index)] = m_all.Count();
        m_all.Append(index, kNotYet);
        if (byGroup)
            m_bays[size_t(index)]->Group = group;
        if (!group.isEmpty()) {
            m_groupPosition[size_t(index)] = tree->Count();
            tree->Append(index, kNotYet);
        }
    }
    TtlBay& bay = *m_bays[size_t(index)];
    double occupied = point ? start + minTime : event.End();
    if (byGroup) {
        const double labelTime = axis.PixelsToExtent(event.Label().TextSize().width());
        occupied = std::max(start + labelTime, occupied);
    }
    bay.OccupiedUntil = occupied;
    m_all.Update(m_allPosition[size_t(index)], occupied);
    if (m_groupPosition[size_t(index)] >= 0)
        m_byGroup[bay.Group.toCaseFolded()].Update(m_groupPosition[size_t(index)], occupied);
    return &bay;
}

int TtlBayList::SnapToBay(int raw) const {
    const int snap = std::max(1, m_owner.Events().EventSnap());
    double value = raw;
    for (const auto& bay : m_bays) {
        if (std::abs(bay->X - raw) < snap) {
            value = bay->X;
            break;
        }
    }
    int x = SnapRound(value, snap);
    if (m_owner.EffectiveHorizontal() && m_owner.EffectiveAxisPos() == 4)
        x = -x;
    return x;
}
