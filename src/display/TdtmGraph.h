// The popup module of the surface: the event menu ppmBarLabel ("Edit...", "Delete",
// "Label Colour...", "Align Group") and what its items do. The window shows the menu built from
// Entries() and runs the chosen item with Run().
#pragma once

#include "common/Colour.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class TTimeLine;
class TtlEvent;

class TdtmGraph {
public:
    enum class TItem { Edit, Delete, LabelColour, AlignGroup, Separator };
    struct TEntry {
        TItem Item;
        QString Caption;
        bool Enabled;
    };

    explicit TdtmGraph(TTimeLine& owner);

    // The visible entries of ppmBarLabel for `event`, in order, separators included. "Align
    // Group" is enabled only in the timeline display.
    std::vector<TEntry> Entries(const TtlEvent& event) const;
    // Runs an item on `event`. The event may be freed by it (Delete and Edit rebuild the
    // display); nothing of it is used afterwards.
    void Run(TItem item, TtlEvent& event);

    // "Edit...": the event editor on the event; after OK the current view is applied again.
    void EditEvent(TtlEvent& event);
    // "Delete": asks "Delete this event?"; OK deletes the record and rebuilds the display.
    void DeleteEvent(TtlEvent& event);
    // "Label Colour...": a colour dialog; OK sets the label colour and stores the formatting.
    void LabelColour(TtlEvent& event);
    // "Align Group": every displayed event of exactly the same group name (letter case counts)
    // takes the event's X, stored in its record.
    void AlignGroup(TtlEvent& event);

    // The colour dialog: the chosen colour, or nothing when cancelled. Unset: cancelled.
    std::function<std::optional<TColor>(TColor initial)> ChooseColour;

private:
    TTimeLine& m_owner;
};
