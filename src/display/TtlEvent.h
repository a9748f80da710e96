// One displayed event: a row of the event query with its start and end in the unit system's
// holder, its texts and formatting, its bay offset X, and its bar, label and icon. Created and
// owned by the event list (or, for a new event being edited, by the control alone).
#pragma once

#include "common/Colour.h"
#include "display/TtlHost.h"
#include "display/TtlMover.h"
#include "time/TAbstractDataHandler.h"
#include "time/TimeTypes.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class TDataSet;
class TTimeLine;
class TtlBar;
class TtlBarIcon;
class TtlBarLabel;
class TtlEventList;
class TtlItem;

class TtlEvent {
public:
    // X of an event not placed yet.
    static constexpr int NoX = 99999;

    TtlEvent(TTimeLine& timeline, TtlEventList& list);
    ~TtlEvent();
    TtlEvent(const TtlEvent&) = delete;
    TtlEvent& operator=(const TtlEvent&) = delete;

    TTimeLine& Timeline() const { return m_timeline; }
    TtlEventList& List() const { return m_list; }

    // Reads the current row of `record` in the documented order (ID, times, date text, label,
    // texts, flags, formatting, group, icon, colours, group formatting, parent, mouse mode).
    void LoadFromRecord(TDataSet& record, int mouseMode, TUnitSystem units,
                        TColor defaultBarColour);

    // Readers.
    int ID() const { return m_id; }
    QString Name() const { return m_name; }
    TTimeValue Start() const;
    TTimeValue End() const;
    const TAbstractDataHandler* Times() const { return m_times.get(); }
    // 1 point, 2 span; computed on first use.
    int EventKind() const;
    // 0 normal, 1 selected, 2 blown away: the bar's state.
    int State() const;
    const QString& DateText() const { return m_dateText; }
    const QString& Description() const { return m_description; }
    const QString& Links() const { return m_links; }
    bool Boo1() const { return m_boo1; }
    bool Boo2() const { return m_boo2; }
    double Dbl1() const { return m_dbl1; }
    double Dbl2() const { return m_dbl2; }
    bool TextStyle() const { return m_textStyle; }
    const QString& GroupName() const { return m_groupName; }
    QStringList& Formatting() { return m_formatting; }
    const QStringList& Formatting() const { return m_formatting; }
    const QStringList& GroupFormat() const { return m_groupFormat; }
    int ParentID() const { return m_parentID; }
    int ListIndex() const { return m_listIndex; }
    void SetListIndex(int index) { m_listIndex = index; }
    bool Expanded() const { return m_expanded; }
    bool Collapsed() const { return m_collapsed; }
    void SetCollapsed(bool collapsed) { m_collapsed = collapsed; }
    int X() const { return m_x; }
    void SetX(int x) { m_x = x; }

    TtlBar& Bar() const { return *m_bar; }
    TtlBarLabel& Label() const { return *m_label; }
    TtlBarIcon& Icon() const { return *m_icon; }
    TtlMover& Mover() { return m_mover; }

    // Copies of the effective orientation and axis position, pushed to bar, label and icon.
    bool Horizontal() const { return m_horizontal; }
    void SetOrientation(bool horizontal);
    int AxisPos() const { return m_axisPos; }
    void SetAxisPos(int code);
    int MouseMode() const { return m_mouseMode; }
    // Stores the mode and sets the cursor of bar, label and icon (hand-point in mode 0, the
    // program's cursor 3 in mode 1; mode 2 keeps the cursor).
    void SetMouseMode(int mode);
    TtlCursorKind Cursor() const { return m_cursor; }

    // Bar, label, icon positions (Part of every layout); false keeps the extent along the axis.
    void Reposition(bool recomputeExtent);
    void UpdateVisibility();
    void UpdateFill();
    void Refresh();

    // "BlownAway" in the formatting, the state of bar, label and icon; state 1 also moves the
    // current rows of the event query and the event table to the event.
    void SetState(int state);
    // Writes one field of the event's record in the event table (nothing when its ID is gone).
    void SaveField(const QString& name, const QVariant& value);
    void SaveX() { SaveField(QStringLiteral("X"), m_x); }
    // Writes the formatting lines into the record's "Formatting" memo.
    void SaveFormatting();
    void ExpandChildren();

    // Predicates.
    bool HasChildren() const;
    bool ParentShown() const;
    bool HiddenByParent() const;
    bool IsShown() const;
    bool HasIcon() const;
    bool AllChildrenVisible() const;

    // The click of bar, label and icon, by mouse mode; `where` is the mouse in surface pixels.
    void Click(QPoint where);
    // Drag handling of bar, label and icon; points are surface pixels.
    void MouseDown(TtlItem& item, QPoint where, int button);
    void MouseMove(TtlItem& item, QPoint where);
    void MouseUp(TtlItem& item, QPoint where);

    // The name of the record with `id` in `records`, whose current row is kept; empty when none.
    static QString EventNameByID(int id, TDataSet& records);

    // Called by the items when their rectangle or visibility changes.
    void ItemChanged();
    // The rectangle covering the visible items (surface pixels).
    QRect VisibleRect() const;

private:
    TTimeLine& m_timeline;
    TtlEventList& m_list;
    int m_mouseMode = 0;
    bool m_horizontal = false;
    int m_axisPos = 1;
    std::unique_ptr<TAbstractDataHandler> m_times;
    int m_x = NoX;
    QString m_name;
    QString m_description;
    QString m_links;
    bool m_boo1 = false;
    bool m_boo2 = false;
    double m_dbl1 = 0;
    double m_dbl2 = 0;
    std::unique_ptr<TtlBar> m_bar;
    std::unique_ptr<TtlBarLabel> m_label;
    std::unique_ptr<TtlBarIcon> m_icon;
    mutable int m_kind = 0;
    TtlMover m_mover;
    int m_id = 0;
    QStringList m_formatting;
    bool m_textStyle = false;
    QString m_groupName;
    QString m_dateText;
    QStringList m_groupFormat;
    int m_listIndex = 0;
    int m_parentID = 0;
    bool m_expanded = false;
    bool m_collapsed = true;
    TtlCursorKind m_cursor = TtlCursorKind::HandPoint;
};
