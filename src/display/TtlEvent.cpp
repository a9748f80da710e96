#include "display/TtlEvent.h"

#include "common/ColourText.h"
#include "display/NameValueLines.h"
#include "display/TmLn.h"
#include "display/TtlAxis.h"
#include "display/TtlBar.h"
#include "display/TtlBarIcon.h"
#include "display/TtlBarLabel.h"
#include "display/TtlBayList.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "storage/DataSet.h"
#include "storage/MainDataMod.h"
#include "time/ReadableText.h"

#include <optional>

namespace {
// A field of the record, or NULL when the record set has no such field.
QVariant FieldValue(TDataSet& record, const QString& name) {
    const int index = record.FieldIndex(name);
    return index < 0 ? QVariant() : record.Value(index);
}

// Posts made by the display keep the record's own Start and End.
void SkipDateEntry(std::optional<TSkipDateEntryScope>& scope, TTimeLine& timeline) {
    if (TdtmMain* dm = timeline.DataModule())
        scope.emplace(*dm);
}
} // namespace

TtlEvent::TtlEvent(TTimeLine& timeline, TtlEventList& list)
    : m_timeline(timeline), m_list(list), m_times(CreateDataHandler(timeline.Units())) {
    m_horizontal = timeline.EffectiveHorizontal();
    m_axisPos = timeline.EffectiveAxisPos();
    m_bar = std::make_unique<TtlBar>(*this);
    m_bar->SetOrientation(m_horizontal);
    m_bar->SetAxisPos(m_axisPos);
    m_bar->SetPenColor(list.BarOutlineColor());
    m_bar->SetThickness(timeline.BarWidthOrd());
    m_bar->SetBarColor(list.DefaultBarColor());
    m_label = std::make_unique<TtlBarLabel>(*this);
    m_label->SetOrientation(m_horizontal);
    m_label->SetAxisPos(m_axisPos);
    m_label->SetTransparent(timeline.Graph().TransparentLabels());
    m_label->SetFont(list.DefaultLabelFont());
    m_icon = std::make_unique<TtlBarIcon>(*this);
    m_icon->SetOrientation(m_horizontal);
    m_icon->SetAxisPos(m_axisPos);
}

TtlEvent::~TtlEvent() = default;

void TtlEvent::LoadFromRecord(TDataSet& record, int mouseMode, TUnitSystem units,
                              TColor defaultBarColour) {
    static const QString kID = QStringLiteral("ID"), kStart = QStringLiteral("Start"),
                         kEnd = QStringLiteral("End"), kDate = QStringLiteral("Date"),
                         kName = QStringLiteral("Name"),
                         kDescription = QStringLiteral("Description"),
                         kLinks = QStringLiteral("Links"), kBoo1 = QStringLiteral("boo1"),
                         kBoo2 = QStringLiteral("boo2"), kDbl1 = QStringLiteral("dbl1"),
                         kDbl2 = QStringLiteral("dbl2"), kTextStyle = QStringLiteral("TextStyle"),
                         kFormatting = QStringLiteral("Formatting"),
                         kGroupName = QStringLiteral("Category.Name"),
                         kGroupID = QStringLiteral("Category.ID"), kIcon = QStringLiteral("Icon"),
                         kColour = QStringLiteral("Colour"), kFormat = QStringLiteral("Format"),
                         kParentID = QStringLiteral("ParentID");
    m_id = FieldValue(record, kID).toInt();

    const QVariant start = FieldValue(record, kStart);
    const QVariant end = FieldValue(record, kEnd);
    m_times = CreateDataHandler(units);
    const double s = start.toDouble();
    const double e = end.isValid() ? end.toDouble() : s;
    m_times->SetStartEnd(s, e);
    m_kind = 0;

    if (record.HasField(kDate))
        m_dateText = record.Value(kDate).toString();
    else
        m_dateText = RangeText(!start.isValid(), !end.isValid(), units, s, end.toDouble());

    m_name = FieldValue(record, kName).toString();
    m_label->SetCaption(m_name);

    m_description = FieldValue(record, kDescription).toString();
    m_links = FieldValue(record, kLinks).toString();
    m_boo1 = FieldValue(record, kBoo1).toBool();
    m_boo2 = FieldValue(record, kBoo2).toBool();
    m_dbl1 = FieldValue(record, kDbl1).toDouble();
    m_dbl2 = FieldValue(record, kDbl2).toDouble();
    m_textStyle = FieldValue(record, kTextStyle).toBool();
    m_formatting = SplitMemoLines(FieldValue(record, kFormatting).toString());
    m_groupName = FieldValue(record, kGroupName).toString();

    // Pictures are read once per group and build.
    const int iconField = record.FieldIndex(kIcon);
    if (iconField >= 0) {
        const QVariant groupID = FieldValue(record, kGroupID);
        m_icon->SetPicture(
            m_list.GroupIcon(groupID, [&] { return record.Value(iconField).toByteArray(); }));
    }

    const QString colour = FieldValue(record, kColour).toString();
    m_bar->SetBarColor(colour.isEmpty() ? defaultBarColour : TextToColor(colour));

    m_bar->ApplyEventFormatting();
    m_label->ApplyEventFormatting();

    m_groupFormat = SplitMemoLines(FieldValue(record, kFormat).toString());
    m_bar->ApplyGroupFormatting();
    m_label->ApplyGroupFormatting();

    m_parentID = FieldValue(record, kParentID).toInt();
    SetMouseMode(mouseMode);
}

TTimeValue TtlEvent::Start() const {
    return m_times && m_times->GetKind() != TMultiUnit::msUnassigned ? m_times->GetStart() : 0;
}

TTimeValue TtlEvent::End() const {
    return m_times && m_times->GetKind() != TMultiUnit::msUnassigned ? m_times->GetEnd() : 0;
}

int TtlEvent::EventKind() const {
    if (m_kind == 0)
        m_kind = End() != Start() ? 2 : 1;
    return m_kind;
}

int TtlEvent::State() const {
    return m_bar->State();
}

void TtlEvent::SetOrientation(bool horizontal) {
    m_horizontal = horizontal;
    m_bar->SetOrientation(horizontal);
    m_label->SetOrientation(horizontal);
    m_icon->SetOrientation(horizontal);
}

void TtlEvent::SetAxisPos(int code) {
    m_axisPos = code;
    m_bar->SetAxisPos(code);
    m_label->SetAxisPos(code);
    m_icon->SetAxisPos(code);
}

void TtlEvent::SetMouseMode(int mode) {
    m_mouseMode = mode;
    if (mode == 0)
        m_cursor = TtlCursorKind::HandPoint;
    else if (mode == 1)
        m_cursor = TtlCursorKind::BlowAwayEvent;
}

void TtlEvent::Reposition(bool recomputeExtent) {
    m_bar->Position(recomputeExtent);
    m_label->Position(recomputeExtent);
    m_icon->Position(recomputeExtent);
}

void TtlEvent::UpdateVisibility() {
    m_bar->UpdateVisibility();
    m_icon->UpdateVisibility();
    m_label->UpdateVisibility();
}

void TtlEvent::UpdateFill() {
    m_bar->UpdateFill();
}

void TtlEvent::Refresh() {
    Reposition(true);
    UpdateVisibility();
    UpdateFill();
}

void TtlEvent::SetState(int state) {
    SetLineValue(m_formatting, QStringLiteral("BlownAway"),
                 state == 2 ? QStringLiteral("1") : QStringLiteral("0"));
    m_bar->SetState(state);
    m_label->SetState(state);
    m_icon->SetState(state);
    if (state == 1) {
        if (TDataSet* query = m_timeline.DataSource(); query && query->Active())
            query->Locate(QStringLiteral("ID"), m_id);
        if (TDataSet* table = m_timeline.EventTableDataSource(); table && table->Active())
            table->Locate(QStringLiteral("ID"), m_id);
    }
}

void TtlEvent::SaveField(const QString& name, const QVariant& value) {
    TDataSet* table = m_timeline.EventTableDataSource();
    if (!table || !table->Active())
        return;
    std::optional<TSkipDateEntryScope> skip;
    SkipDateEntry(skip, m_timeline);
    if (!table->Locate(QStringLiteral("ID"), m_id))
        return;
    table->Edit();
    table->SetValue(name, value);
    table->Post();
}

void TtlEvent::SaveFormatting() {
    SaveField(QStringLiteral("Formatting"), JoinMemoLines(m_formatting));
}

void TtlEvent::ExpandChildren() {
    m_expanded = true;
    for (TtlEvent* child : m_list.ChildrenOf(m_id)) {
        child->SetCollapsed(false);
        child->Refresh();
    }
    m_timeline.Graph().Invalidate({});
}

bool TtlEvent::HasChildren() const {
    return m_list.HasChildren(m_id);
}

bool TtlEvent::ParentShown() const {
    return m_list.HasID(m_parentID);
}

bool TtlEvent::HiddenByParent() const {
    return m_parentID > 0 && ParentShown() && m_collapsed;
}

bool TtlEvent::IsShown() const {
    if (m_timeline.DisplayMode() == 1)
        return State() != 2;
    return State() != 2 && !HiddenByParent();
}

bool TtlEvent::HasIcon() const {
    return m_icon->HasPicture();
}

bool TtlEvent::AllChildrenVisible() const {
    for (const TtlEvent* child : m_list.ChildrenOf(m_id))
        if (!child->Bar().Visible() && !child->Label().Visible() && !child->Icon().Visible())
            return false;
    return true;
}

void TtlEvent::Click(QPoint where) {
    if (m_mover.Moving)
        return;
    TTimeLine& timeline = m_timeline;
    switch (timeline.MouseMode()) {
    case 0:
        if (timeline.ParentChildDisplay() && HasChildren() && !AllChildrenVisible()) {
            ExpandChildren();
            return;
        }
        if (TDataSet* query = timeline.DataSource(); query && query->Active())
            query->Locate(QStringLiteral("ID"), m_id);
        // The handler may rebuild the display, which frees this event.
        if (timeline.OnEventSelected)
            timeline.OnEventSelected(*this);
        if (timeline.Seams.HideLegendForEvent)
            timeline.Seams.HideLegendForEvent();
        return;
    case 1: {
        const QRect before = VisibleRect();
        if (m_list.Selected() == this)
            m_list.Select(nullptr);
        SetState(2);
        UpdateVisibility();
        timeline.Graph().Invalidate(before);
        return;
    }
    case 2:
        timeline.Graph().Click(where);
        return;
    default:
        return;
    }
}

void TtlEvent::MouseDown(TtlItem&, QPoint where, int button) {
    if (m_timeline.DisplayMode() == 1)
        return;
    m_mover.Reset();
    m_timeline.Host().SetScreenCursor(TtlCursorKind::Arrow);
    m_mover.DownX = where.x();
    m_mover.DownY = where.y();
    m_mover.Button = button == 1 || button == 2 ? button : 0;
}

void TtlEvent::MouseMove(TtlItem&, QPoint where) {
    if (m_mover.Button == 0)
        return;
    const int moved =
        m_horizontal ? std::abs(where.y() - m_mover.DownY) : std::abs(where.x() - m_mover.DownX);
    if (moved > 5) {
        m_mover.Moving = true;
        m_mover.Button = 0;
        m_timeline.Host().SetScreenCursor(TtlCursorKind::Drag);
    }
}

void TtlEvent::MouseUp(TtlItem& item, QPoint where) {
    if (!m_mover.Moving) {
        m_mover.Reset();
        m_timeline.Host().SetScreenCursor(TtlCursorKind::Arrow);
        return;
    }
    const int dx = where.x() - m_mover.DownX;
    const int dy = where.y() - m_mover.DownY;
    const int axisLine = m_timeline.Axis().AxisLine();
    const int raw = m_horizontal ? m_bar->Top() - axisLine + dy : m_bar->Left() - axisLine + dx;
    m_x = m_timeline.Bays().SnapToBay(raw);
    m_mover.Reset();
    m_timeline.Host().SetScreenCursor(TtlCursorKind::Arrow);
    const QRect before = VisibleRect();
    Reposition(false);
    if (&item == m_label.get() && !m_list.LockLabels()) {
        if (m_horizontal)
            m_label->SetLeft(m_label->Left() + dx);
        else
            m_label->SetTop(m_label->Top() + dy);
    }
    const int layout = m_timeline.Bays().Layout();
    if (layout == 2 || layout == 3)
        SaveX();
    m_timeline.Graph().Invalidate(before.united(VisibleRect()));
}

QString TtlEvent::EventNameByID(int id, TDataSet& records) {
    if (!records.Active())
        return {};
    struct TControlsOff {
        TDataSet& Records;
        int Position;
        ~TControlsOff() {
            try {
                if (Position > 0)
                    Records.SetRecNo(Position);
            } catch (...) {
            }
            Records.EnableControls();
        }
    };
    records.DisableControls();
    TControlsOff restore{records, records.RecNo()};
    if (records.Locate(QStringLiteral("ID"), id))
        return records.AsString(QStringLiteral("Name"));
    return {};
}

void TtlEvent::ItemChanged() {
    m_list.LayoutChanged();
}

QRect TtlEvent::VisibleRect() const {
    QRect r;
    for (const TtlItem* item :
         {static_cast<const TtlItem*>(m_bar.get()), static_cast<const TtlItem*>(m_label.get()),
          static_cast<const TtlItem*>(m_icon.get())})
        if (item->Visible())
            r = r.united(item->Rect());
    return r;
}
