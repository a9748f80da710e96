#include "display/TdtmGraph.h"

#include "common/Dialogs.h"
#include "common/Progress.h"
#include "display/TmLn.h"
#include "display/TtlBarLabel.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "display/TtlPositionWriter.h"
#include "storage/DataSet.h"

TdtmGraph::TdtmGraph(TTimeLine& owner) : m_owner(owner) {}

std::vector<TdtmGraph::TEntry> TdtmGraph::Entries(const TtlEvent&) const {
    TBusyCursor busy;
    return {
        {TItem::Edit, QStringLiteral("Edit..."), true},
        {TItem::Delete, QStringLiteral("Delete"), true},
        {TItem::Separator, {}, true},
        {TItem::LabelColour, QStringLiteral("Label Colour..."), true},
        {TItem::Separator, {}, true},
        {TItem::Separator, {}, true},
        {TItem::AlignGroup, QStringLiteral("Align Group"), m_owner.DisplayMode() == 0},
    };
}

void TdtmGraph::Run(TItem item, TtlEvent& event) {
    switch (item) {
    case TItem::Edit:
        EditEvent(event);
        break;
    case TItem::Delete:
        DeleteEvent(event);
        break;
    case TItem::LabelColour:
        LabelColour(event);
        break;
    case TItem::AlignGroup:
        if (m_owner.DisplayMode() == 0)
            AlignGroup(event);
        break;
    case TItem::Separator:
        break;
    }
}

void TdtmGraph::EditEvent(TtlEvent& event) {
    TTimeLine& timeline = m_owner;
    const bool ok = !timeline.Seams.RunEventEditor || timeline.Seams.RunEventEditor(event);
    if (ok && timeline.Seams.ReloadCurrentView)
        timeline.Seams.ReloadCurrentView();
}

void TdtmGraph::DeleteEvent(TtlEvent& event) {
    const int id = event.ID();
    if (Dialogs().Ask(TMsgKind::Confirmation, QStringLiteral("Delete this event?"),
                      TMsgButton::Ok | TMsgButton::Cancel,
                      QStringLiteral("Delete")) != TMsgButton::Ok)
        return;
    TDataSet* table = m_owner.EventTableDataSource();
    if (table && table->Active() && table->Locate(QStringLiteral("ID"), id))
        table->Delete();
    m_owner.RebuildDisplay();
    m_owner.Graph().Repaint();
}

void TdtmGraph::LabelColour(TtlEvent& event) {
    if (!ChooseColour)
        return;
    const auto colour = ChooseColour(event.Label().Color());
    if (!colour)
        return;
    event.Label().SetLabelColor(*colour);
    event.SaveFormatting();
    m_owner.Graph().Invalidate(event.Label().Rect());
}

void TdtmGraph::AlignGroup(TtlEvent& event) {
    const QString group = event.GroupName();
    const int x = event.X();
    TtlPositionWriter positions(m_owner);
    for (const auto& other : m_owner.Events().Items()) {
        if (other->GroupName() != group)
            continue;
        other->SetX(x);
        positions.Add(other->ID(), x);
        other->Reposition(true);
    }
    positions.Write();
    m_owner.Graph().Invalidate({});
}
