#include "display/TtlPositionWriter.h"

#include "display/TmLn.h"
#include "storage/Database.h"
#include "storage/Table.h"
#include "storage/TableDef.h"

#include <sqlite3.h>

void TtlPositionWriter::Write() {
    std::vector<std::pair<int, int>> pending;
    pending.swap(m_pending);
    auto* table = dynamic_cast<TTable*>(m_timeline.EventTableDataSource());
    if (pending.empty() || !table || !table->Active() || table->ReadOnly())
        return;
    TDatabase& db = table->Database();
    const QString name = table->TableName();
    db.NotifyWrite(name, nullptr, false);
    TTransaction transaction(db);
    TSqlStatement update =
        db.Prepare(QStringLiteral("UPDATE %1 SET X = ?1 WHERE ID = ?2").arg(QuoteIdentifier(name)));
    int changed = 0;
    for (const auto& [id, x] : pending) {
        update.Reset();
        update.Bind(1, x);
        update.Bind(2, id);
        update.Step();
        changed += sqlite3_changes(db.Handle());
    }
    update.Finalize();
    transaction.Commit();
    if (changed > 0)
        m_timeline.SetModified(true);
}
