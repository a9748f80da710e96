// The displayed events: built from the rows of the event query, laid out again on every surface
// layout, selected, and looked up by ID and by parent. Owns its events and the bay list.
#pragma once

#include "common/Colour.h"
#include "common/FontDef.h"
#include "storage/DisplaySettings.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class TTimeLine;
class TtlBayList;
class TtlEvent;

class TtlEventList {
public:
    struct TFontInfo {
        QFont Font;
        QFontMetrics Metrics;
    };
    // An entry of ParentMap ("parentID=ID") or IdMap ("ID") with its event.
    struct TMapEntry {
        QString Name;
        TtlEvent* Event;
    };

    explicit TtlEventList(TTimeLine& owner);
    ~TtlEventList();
    TtlEventList(const TtlEventList&) = delete;
    TtlEventList& operator=(const TtlEventList&) = delete;

    TEventListSettings& Settings() { return m_settings; }
    const TEventListSettings& Settings() const { return m_settings; }
    TtlBayList& Bays() { return *m_bays; }
    const TtlBayList& Bays() const { return *m_bays; }

    int Count() const { return int(m_events.size()); }
    TtlEvent& At(int index) const { return *m_events[size_t(index)]; }
    const std::vector<std::unique_ptr<TtlEvent>>& Items() const { return m_events; }
    TtlEvent* EventByID(int id) const { return m_byId.value(id, nullptr); }
    // Frees every event, drops the selection and empties the two maps.
    void Clear();

    // Builds one event per row of the event query (none when there are more rows than
    // MaxEvents), placing the events without a stored X in bays and writing that X back.
    void Build();
    // Refreshes every event; in the list display also sizes the surface to the rows.
    void RepositionAll();

    TtlEvent* Selected() const { return m_selected; }
    bool SelectionFlag() const { return m_selected != nullptr; }
    // Selects `event` (state 1); none, or the selected event again, deselects.
    void Select(TtlEvent* event);
    // Colours every event by whether its record has a stored X (until the next build).
    void MarkPositioned();

    // Texts of the event query for copying: "Date<TAB>Name" of the current row, every row
    // with CR LF, and every row with its description.
    QString CurrentEventLine() const;
    QString ListText(const QString& text = {}) const;
    QString DumpText(const QString& text = {}) const;

    TColor DefaultBarColor() const { return m_settings.BarColor; }
    // Gives the new colour to every event coloured with the old default, then stores it.
    void SetDefaultBarColor(TColor colour);
    TColor BarOutlineColor() const { return m_settings.BarOutlineColor; }
    void SetBarOutlineColor(TColor colour) { m_settings.BarOutlineColor = colour; }
    const TFontDef& DefaultLabelFont() const { return m_settings.LabelFont; }
    void SetDefaultLabelFont(const TFontDef& font) { m_settings.LabelFont = font; }
    bool LockLabels() const { return m_lockLabels; }
    void SetLockLabels(bool on) { m_lockLabels = on; }
    bool AutoWrapLabels() const { return m_settings.AutoWrapLabels; }
    void SetAutoWrapLabels(bool on) { m_settings.AutoWrapLabels = on; }
    int EventSnap() const { return m_settings.EventSnap; }
    void SetEventSnap(int pixels) { m_settings.EventSnap = pixels; }
    int MinBarHeight() const { return m_settings.MinBarHeight; }
    void SetMinBarHeight(int pixels) { m_settings.MinBarHeight = pixels; }
    bool ShowRealBarHeight() const { return m_settings.ShowRealBarHeight; }
    void SetShowRealBarHeight(bool on) { m_settings.ShowRealBarHeight = on; }
    int MaxEvents() const { return m_settings.MaxEvents; }
    void SetMaxEvents(int count) { m_settings.MaxEvents = count; }
    int MouseMode() const { return m_mouseMode; }
    // Stores the mode and gives it to every event.
    void SetMouseMode(int mode);

    const std::vector<TMapEntry>& ParentMap() const { return m_parentMap; }
    const std::vector<TMapEntry>& IdMap() const { return m_idMap; }
    bool HasChildren(int id) const { return m_children.contains(id); }
    bool HasID(int id) const { return m_byId.contains(id); }
    // The displayed events whose parent is `id`, in list order.
    const std::vector<TtlEvent*>& ChildrenOf(int id) const;

    // The band across the axis that holds the drawing (events not blown away, visible legend
    // and title, the axis line), limited to the surface: (low, high).
    std::pair<int, int> ContentExtent() const;

    // Shared caches: a font with its metrics, and the decoded picture of a group (read once
    // per group and build through `read`).
    const TFontInfo& FontInfo(const TFontDef& font) const;
    QImage GroupIcon(const QVariant& groupID, const std::function<QByteArray()>& read);

    bool Building() const { return m_building; }
    // The rectangles or visibility of items changed (hit-testing builds its index again).
    void LayoutChanged() { ++m_layoutGeneration; }
    quint64 LayoutGeneration() const { return m_layoutGeneration; }
    // Counts the clearings of the list: a handler that may rebuild the display tells by it
    // whether the events it held were freed.
    quint64 ClearCount() const { return m_clearCount; }

private:
    void AddToMaps(TtlEvent& event);

    TTimeLine& m_owner;
    TEventListSettings m_settings;
    std::unique_ptr<TtlBayList> m_bays;
    std::vector<std::unique_ptr<TtlEvent>> m_events;
    TtlEvent* m_selected = nullptr;
    bool m_lockLabels = true;
    int m_mouseMode = 0;
    bool m_building = false;
    std::vector<TMapEntry> m_parentMap;
    std::vector<TMapEntry> m_idMap;
    QHash<int, TtlEvent*> m_byId;
    QHash<int, std::vector<TtlEvent*>> m_children;
    mutable QHash<QString, std::shared_ptr<TFontInfo>> m_fonts;
    QHash<qint64, QImage> m_icons;
    quint64 m_layoutGeneration = 0;
    quint64 m_clearCount = 0;
};

// Decodes picture bytes (JPEG or bitmap). A bitmap without transparency gets the colour of its
// bottom-left pixel made transparent, as icons are drawn.
QImage DecodeIconPicture(const QByteArray& bytes);
