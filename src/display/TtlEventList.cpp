#include "display/TtlEventList.h"

#include "common/Progress.h"
#include "display/TmLn.h"
#include "display/TtlAxis.h"
#include "display/TtlBar.h"
#include "display/TtlBarIcon.h"
#include "display/TtlBarLabel.h"
#include "display/TtlBay.h"
#include "display/TtlBayList.h"
#include "display/TtlEvent.h"
#include "display/TtlGraph.h"
#include "display/TtlHost.h"
#include "display/TtlPositionWriter.h"
#include "storage/DataSet.h"
#include "storage/Database.h"

#include <QBuffer>
#include <QImageReader>

namespace {
QString FontKey(const TFontDef& f) {
    return QStringLiteral("%1|%2|%3%4%5%6")
        .arg(f.Name)
        .arg(f.Size)
        .arg(int(f.Bold))
        .arg(int(f.Italic))
        .arg(int(f.Underline))
        .arg(int(f.StrikeOut));
}
} // namespace

QImage DecodeIconPicture(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    QImage image = QImage::fromData(bytes);
    if (image.isNull())
        return {};
    if (bytes.startsWith("BM") && !image.hasAlphaChannel()) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = image.pixel(0, image.height() - 1);
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == key)
                    line[x] = 0;
        }
    }
    return image;
}

TtlEventList::TtlEventList(TTimeLine& owner)
    : m_owner(owner), m_bays(std::make_unique<TtlBayList>(owner)) {}

TtlEventList::~TtlEventList() {
    m_selected = nullptr;
    m_events.clear();
}

void TtlEventList::Clear() {
    m_selected = nullptr;
    m_events.clear();
    m_parentMap.clear();
    m_idMap.clear();
    m_byId.clear();
    m_children.clear();
    ++m_clearCount;
    LayoutChanged();
}

void TtlEventList::AddToMaps(TtlEvent& event) {
    if (event.ParentID() > 0) {
        m_parentMap.push_back(
            {QStringLiteral("%1=%2").arg(event.ParentID()).arg(event.ID()), &event});
        m_children[event.ParentID()].push_back(&event);
    }
    m_idMap.push_back({QString::number(event.ID()), &event});
    if (!m_byId.contains(event.ID()))
        m_byId.insert(event.ID(), &event);
}

const std::vector<TtlEvent*>& TtlEventList::ChildrenOf(int id) const {
    static const std::vector<TtlEvent*> none;
    const auto it = m_children.constFind(id);
    return it == m_children.cend() ? none : *it;
}

void TtlEventList::Build() {
    if (m_building)
        return; // a build never runs inside another one
    TTimeLine& tl = m_owner;
    TDataSet* query = tl.DataSource();
    TtlHost& host = tl.Host();
    TtlGraph& graph = tl.Graph();

    // Everything below runs under this guard: redraw, the building mark and the query's
    // controls are restored on every path out.
    struct TGuard {
        TtlEventList& List;
        TDataSet* Query;
        TtlHost& Host;
        TtlGraph& Graph;
        TtlPositionWriter Positions;
        ~TGuard() {
            // The positions placed so far are written however the build ends.
            try {
                Positions.Write();
            } catch (...) {
            }
            List.m_building = false;
            Graph.SetBuilding(false);
            Host.SetRedraw(true);
            Host.Invalidate({});
            if (Query)
                Query->EnableControls();
        }
    };
    if (query)
        query->DisableControls();
    host.SetRedraw(false);
    m_building = true;
    TGuard guard{*this, query, host, graph, TtlPositionWriter(tl)};

    Clear();
    graph.SetBuilding(true);
    m_bays->Clear();
    m_icons.clear();
    host.ProcessEvents();
    host.ProcessEvents();

    if (query && query->Active() && m_settings.MaxEvents >= query->RecordCount()) {
        static const QString kX = QStringLiteral("X");
        const bool bottom = tl.EffectiveHorizontal() && tl.EffectiveAxisPos() == 4;
        m_events.reserve(size_t(query->RecordCount()));
        for (query->First(); !query->Eof(); query->Next()) {
            host.ProcessEvents();
            // An event joins the list once its record has loaded; a failing record ends the
            // build with the events before it.
            auto loaded = std::make_unique<TtlEvent>(tl, *this);
            loaded->LoadFromRecord(*query, m_mouseMode, tl.Units(), m_settings.BarColor);
            m_events.push_back(std::move(loaded));
            TtlEvent& event = *m_events.back();
            AddToMaps(event);
            const QVariant x = query->Value(kX);
            if (!x.isValid()) {
                if (TtlBay* bay = m_bays->PlaceEvent(event)) {
                    event.SetX(bottom ? -bay->X : bay->X);
                    guard.Positions.Add(event.ID(), event.X()); // the event's SaveX
                } else {
                    // No bay for this layout style: shown at the manual offset, not stored, so
                    // it is placed properly once the style is valid again.
                    event.SetX(TtlBayList::UnplacedX);
                }
            } else {
                event.SetX(x.toInt());
            }
            event.SetListIndex(Count() - 1);
            event.Reposition(true);
        }
    }
    if (tl.Seams.RebuildLegend)
        tl.Seams.RebuildLegend();
}

void TtlEventList::RepositionAll() {
    const bool list = m_owner.DisplayMode() == 1;
    if (list && m_events.empty())
        return;
    for (const auto& event : m_events)
        event->Refresh();
    if (list) {
        const QSize control = m_owner.Host().ControlSize();
        const int h = control.height();
        const int a = m_events.back()->Icon().Top() + 50;
        const int height = h < a ? a : h - 4;
        const int width = control.width() - 4 - (h < a ? 16 : 0);
        m_owner.Graph().SetSize(QSize(width, height));
    }
}

void TtlEventList::Select(TtlEvent* event) {
    TtlGraph& graph = m_owner.Graph();
    const bool wasBuilding = graph.Building();
    graph.SetBuilding(true);
    struct TRestore {
        TtlGraph& Graph;
        bool Was;
        ~TRestore() { Graph.SetBuilding(Was); }
    } restore{graph, wasBuilding};
    if (m_selected) {
        TtlEvent* old = m_selected;
        if (!event || event == old) {
            m_selected = nullptr;
            old->SetState(0);
        } else {
            old->SetState(0);
            m_selected = event;
            event->SetState(1);
        }
    } else if (event) {
        m_selected = event;
        event->SetState(1);
    }
    graph.Invalidate({});
}

void TtlEventList::MarkPositioned() {
    TDataSet* table = m_owner.EventTableDataSource();
    if (!table || !table->Active())
        return;
    TBusyCursor busy;
    for (const auto& event : m_events) {
        if (!table->Locate(QStringLiteral("ID"), event->ID(), TLocateOption::CaseInsensitive))
            continue;
        const bool stored = !table->IsNull(QStringLiteral("X"));
        event->Bar().SetFillColor(stored ? RgbColour(0, 255, 255) : RgbColour(192, 192, 192));
        event->Bar().SetPenColor(stored ? RgbColour(0, 0, 255) : RgbColour(128, 128, 128));
        event->Label().SetFontColor(stored ? RgbColour(0, 0, 255) : RgbColour(128, 128, 128));
    }
    m_owner.Graph().Invalidate({});
}

QString TtlEventList::CurrentEventLine() const {
    TDataSet* query = m_owner.DataSource();
    if (!query || !query->Active())
        return {};
    QString name = query->AsString(QStringLiteral("Name"));
    name.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return QStringLiteral("%1\t%2").arg(query->AsString(QStringLiteral("Date")), name);
}

QString TtlEventList::ListText(const QString& text) const {
    QString out = text;
    TDataSet* query = m_owner.DataSource();
    if (!query || !query->Active())
        return out;
    for (query->First(); !query->Eof(); query->Next())
        out += CurrentEventLine() + QStringLiteral("\r\n");
    return out;
}

QString TtlEventList::DumpText(const QString& text) const {
    QString out = text;
    TDataSet* query = m_owner.DataSource();
    if (!query || !query->Active())
        return out;
    for (query->First(); !query->Eof(); query->Next())
        out += CurrentEventLine() + QStringLiteral("\r\n") +
               query->AsString(QStringLiteral("Description")) + QStringLiteral("\r\n\r\n");
    return out;
}

void TtlEventList::SetDefaultBarColor(TColor colour) {
    const TColor old = m_settings.BarColor;
    for (const auto& event : m_events)
        if (event->Bar().BarColor() == old)
            event->Bar().SetBarColor(colour);
    m_settings.BarColor = colour;
    m_owner.Graph().Invalidate({});
}

void TtlEventList::SetMouseMode(int mode) {
    m_mouseMode = mode;
    for (const auto& event : m_events)
        event->SetMouseMode(mode);
}

std::pair<int, int> TtlEventList::ContentExtent() const {
    const bool horizontal = m_owner.EffectiveHorizontal();
    int low = -1;
    int high = -1;
    bool first = true;
    auto widen = [&](int nearEdge, int farEdge) {
        low = first ? nearEdge : std::min(low, nearEdge);
        high = std::max(high, farEdge);
        first = false;
    };
    for (const auto& event : m_events) {
        if (event->State() == 2)
            continue;
        const QRect icon = event->Icon().Rect();
        const QRect label = event->Label().Rect();
        if (horizontal)
            widen(icon.top(), label.top() + label.height());
        else
            widen(icon.left(), label.left() + label.width());
    }
    if (m_owner.Seams.DecorationRects) {
        for (const QRect& r : m_owner.Seams.DecorationRects()) {
            if (horizontal)
                widen(r.top(), r.top() + r.height());
            else
                widen(r.left(), r.left() + r.width());
        }
    }
    low -= 20;
    high += 20;
    const int axisLine = m_owner.Axis().AxisLine();
    const QSize surface = m_owner.Graph().Size();
    low = std::max(std::min(low, axisLine - 50), 0);
    high =
        std::min(std::max(high, axisLine + 100), horizontal ? surface.height() : surface.width());
    return {low, high};
}

const TtlEventList::TFontInfo& TtlEventList::FontInfo(const TFontDef& font) const {
    const QString key = FontKey(font);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        QFont f = font.ToQFont();
        auto info = std::make_shared<TFontInfo>(TFontInfo{f, QFontMetrics(f)});
        it = m_fonts.insert(key, info);
    }
    return **it;
}

QImage TtlEventList::GroupIcon(const QVariant& groupID, const std::function<QByteArray()>& read) {
    if (!groupID.isValid())
        return {};
    const qint64 key = groupID.toLongLong();
    auto it = m_icons.find(key);
    if (it == m_icons.end())
        it = m_icons.insert(key, DecodeIconPicture(read()));
    return *it;
}
