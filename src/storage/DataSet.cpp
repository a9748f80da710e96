#include "storage/DataSet.h"

#include "common/Errors.h"
#include "storage/Database.h"
#include "storage/SqlStatement.h"

#include <cmath>

namespace {
QString ClosedText() {
    return QStringLiteral("Cannot perform this operation on a closed dataset");
}

bool IsNumeric(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool ValuesMatch(const QVariant& actual, const QVariant& wanted, TLocateOptions options) {
    const bool actualNull = !actual.isValid();
    const bool wantedNull = !wanted.isValid();
    if (actualNull || wantedNull)
        return actualNull && wantedNull;
    if (IsNumeric(actual) && IsNumeric(wanted))
        return actual.toDouble() == wanted.toDouble();
    const Qt::CaseSensitivity cs = options.testFlag(TLocateOption::CaseInsensitive)
                                       ? Qt::CaseInsensitive
                                       : Qt::CaseSensitive;
    const QString a = actual.toString();
    const QString w = wanted.toString();
    if (options.testFlag(TLocateOption::PartialKey))
        return a.startsWith(w, cs);
    return a.compare(w, cs) == 0;
}
} // namespace

TDataSet::TDataSet(TDatabase& db, QString name) : m_db(db), m_name(std::move(name)) {
    m_db.Register(this);
}

TDataSet::~TDataSet() {
    m_db.Unregister(this);
}

void TDataSet::RequireActive() const {
    if (m_state == dsInactive)
        throw EDatabaseError(ClosedText() + QStringLiteral(" (%1)").arg(m_name));
}

void TDataSet::RequireModifiable() const {
    if (!CanModify())
        throw EReadOnlyError(QStringLiteral("Cannot modify a read-only dataset (%1)").arg(m_name));
}

void TDataSet::Open() {
    if (Active())
        return;
    if (Hooks.BeforeOpen)
        Hooks.BeforeOpen(*this);
    std::vector<TFieldDef> fields;
    DoOpen(fields);
    m_dataFieldCount = int(fields.size());
    for (const TFieldDef& extra : m_extraDefs)
        fields.push_back(extra);
    m_fields = std::move(fields);
    m_fieldIndex.clear();
    for (int i = 0; i < int(m_fields.size()); ++i)
        if (!m_fieldIndex.contains(m_fields[size_t(i)].Name))
            m_fieldIndex.insert(m_fields[size_t(i)].Name, i);
    for (TLookup& lookup : m_lookups)
        lookup.KeyField = -1; // resolved by name on first read
    m_state = dsBrowse;
    m_cache.assign(m_fields.size(), QVariant());
    m_cached.assign(m_fields.size(), 0);
    m_hasRow = DoSeek(0);
    m_row = m_hasRow ? 0 : -1;
    m_eof = !m_hasRow;
    m_bof = true;
    if (Hooks.AfterOpen)
        Hooks.AfterOpen(*this);
    Notify(TDataEvent::Opened);
    if (m_hasRow && Hooks.AfterScroll)
        Hooks.AfterScroll(*this);
}

void TDataSet::Close() {
    if (!Active())
        return;
    if (Editing())
        Cancel();
    if (Hooks.BeforeClose)
        Hooks.BeforeClose(*this);
    DoClose();
    m_state = dsInactive;
    m_hasRow = false;
    m_row = -1;
    m_eof = m_bof = true;
    m_cache.clear();
    m_cached.clear();
    m_edit.clear();
    m_changed.clear();
    for (auto& st : m_lookupStatements)
        st.reset();
    if (Hooks.AfterClose)
        Hooks.AfterClose(*this);
    Notify(TDataEvent::Closed);
}

void TDataSet::ReleaseStatements() {
    // One slot per calculated or lookup field stays; only the statements go.
    for (auto& st : m_lookupStatements)
        st.reset();
}

void TDataSet::Refresh() {
    RequireActive();
    CheckBrowseMode();
    const bool hadRow = EnsurePosition();
    const int keep = m_row;
    DoClose();
    std::vector<TFieldDef> fields;
    DoOpen(fields);
    ClearRowCache();
    if (hadRow && DoSeek(keep)) {
        m_row = keep;
        m_hasRow = true;
    } else {
        m_hasRow = DoSeek(0);
        m_row = m_hasRow ? 0 : -1;
    }
    m_eof = !m_hasRow;
    m_bof = !m_hasRow;
    Notify(TDataEvent::DataChanged);
}

bool TDataSet::EnsurePosition() {
    if (!m_hasRow)
        return false;
    m_row = DoResolvePosition();
    if (m_row < 0) {
        m_hasRow = false;
        ClearRowCache();
    }
    return m_hasRow;
}

void TDataSet::ClearRowCache() {
    std::fill(m_cached.begin(), m_cached.end(), 0);
}

void TDataSet::SetCurrentRowUnpositioned() {
    m_row = -1;
    m_hasRow = true;
}

void TDataSet::AfterRowChange() {
    ClearRowCache();
    if (m_hasRow && Hooks.AfterScroll)
        Hooks.AfterScroll(*this);
    Notify(TDataEvent::RowChanged);
}

void TDataSet::MoveTo(int row, bool forward) {
    if (Hooks.BeforeScroll)
        Hooks.BeforeScroll(*this);
    if (row >= 0 && DoSeek(row)) {
        m_row = row;
        m_hasRow = true;
        m_eof = false;
        m_bof = false;
        AfterRowChange();
        return;
    }
    // Past either end: the current row stays; the source is put back on it.
    if (forward)
        m_eof = true;
    else
        m_bof = true;
    if (m_hasRow && m_row >= 0 && !DoSeek(m_row))
        m_hasRow = false;
}

void TDataSet::First() {
    RequireActive();
    CheckBrowseMode();
    if (Hooks.BeforeScroll)
        Hooks.BeforeScroll(*this);
    m_hasRow = DoSeek(0);
    m_row = m_hasRow ? 0 : -1;
    m_eof = !m_hasRow;
    m_bof = true;
    AfterRowChange();
}

void TDataSet::Last() {
    RequireActive();
    CheckBrowseMode();
    if (Hooks.BeforeScroll)
        Hooks.BeforeScroll(*this);
    const int n = DoRowCount();
    m_hasRow = n > 0 && DoSeek(n - 1);
    m_row = m_hasRow ? n - 1 : -1;
    m_eof = true;
    m_bof = !m_hasRow;
    AfterRowChange();
}

void TDataSet::Next() {
    RequireActive();
    CheckBrowseMode();
    if (!EnsurePosition()) {
        m_eof = true;
        return;
    }
    MoveTo(m_row + 1, true);
}

void TDataSet::Prior() {
    RequireActive();
    CheckBrowseMode();
    if (!EnsurePosition()) {
        m_bof = true;
        return;
    }
    MoveTo(m_row - 1, false);
}

int TDataSet::RecordCount() {
    if (!Active())
        return 0;
    return DoRowCount();
}

bool TDataSet::IsEmpty() {
    return !Active() || (!m_hasRow && m_state != dsInsert);
}

int TDataSet::RecNo() {
    if (!Active() || m_state == dsInsert)
        return 0;
    return EnsurePosition() ? m_row + 1 : 0;
}

void TDataSet::SetRecNo(int recNo) {
    RequireActive();
    CheckBrowseMode();
    MoveTo(recNo - 1, recNo - 1 >= m_row);
}

bool TDataSet::Locate(const QString& field, const QVariant& value, TLocateOptions options) {
    RequireActive();
    CheckBrowseMode();
    const int index = CheckedIndex(field);
    const QVariant wanted = index < m_dataFieldCount ? ConvertForField(index, value) : value;
    int row = -1;
    if (!DoLocate(index, wanted, options, row))
        return false;
    if (Hooks.BeforeScroll)
        Hooks.BeforeScroll(*this);
    if (row >= 0) {
        m_row = row;
    } else {
        m_row = -1;
    }
    m_hasRow = true;
    m_eof = m_bof = false;
    AfterRowChange();
    return true;
}

bool TDataSet::DoLocate(int field, const QVariant& value, TLocateOptions options, int& row) {
    // Generic scan in the set's order; the current row is put back when nothing matches.
    const bool hadRow = EnsurePosition();
    const int keep = m_row;
    for (int i = 0; DoSeek(i); ++i) {
        m_row = i;
        ClearRowCache();
        if (ValuesMatch(Value(field), value, options)) {
            row = i;
            return true;
        }
    }
    m_row = keep;
    ClearRowCache();
    if (hadRow && keep >= 0)
        DoSeek(keep);
    return false;
}

int TDataSet::FieldIndex(const QString& name) const {
    const auto it = m_fieldIndex.constFind(name);
    if (it != m_fieldIndex.constEnd())
        return it.value();
    for (int i = 0; i < int(m_fields.size()); ++i)
        if (m_fields[size_t(i)].Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TDataSet::CheckedIndex(const QString& name) const {
    const int index = FieldIndex(name);
    if (index < 0) {
        if (!Active())
            throw EDatabaseError(ClosedText() + QStringLiteral(" (%1)").arg(m_name));
        throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(m_name, name));
    }
    return index;
}

QStringList TDataSet::FieldNames() const {
    QStringList names;
    for (const TFieldDef& f : m_fields)
        names << f.Name;
    return names;
}

QVariant TDataSet::NormaliseRead(int field, const QVariant& value) const {
    if (!value.isValid())
        return value;
    switch (m_fields[size_t(field)].Type) {
    case TFieldType::Integer:
    case TFieldType::AutoInc:
        return QVariant(value.toInt());
    case TFieldType::LargeInt:
        return QVariant(value.toLongLong());
    case TFieldType::Float:
        return QVariant(value.toDouble());
    case TFieldType::Boolean:
        return QVariant(value.toLongLong() != 0);
    case TFieldType::String:
    case TFieldType::Memo:
        return value.typeId() == QMetaType::QString ? value : QVariant(value.toString());
    case TFieldType::Graphic:
        return value.typeId() == QMetaType::QByteArray ? value : QVariant(value.toByteArray());
    case TFieldType::Variant:
        return value;
    }
    return value;
}

QVariant TDataSet::Value(int field) {
    RequireActive();
    if (field < 0 || field >= int(m_fields.size()))
        throw EDatabaseError(QStringLiteral("%1: field index %2 out of range").arg(m_name).arg(field));
    if (field < m_dataFieldCount) {
        const size_t f = size_t(field);
        if (m_state == dsInsert || (m_state == dsEdit && m_changed[f]))
            return m_edit[f];
        if (!m_hasRow)
            return QVariant();
        if (!m_cached[f]) {
            m_cache[f] = NormaliseRead(field, DoRead(field));
            m_cached[f] = 1;
        }
        return m_cache[f];
    }
    if (!m_hasRow && m_state != dsInsert)
        return QVariant();
    return Calculate(field);
}

QVariant TDataSet::Calculate(int field) {
    const size_t k = size_t(field - m_dataFieldCount);
    TLookup& lookup = m_lookups[k];
    if (lookup.Table.isEmpty())
        return m_calc[k] ? m_calc[k](*this) : QVariant();
    if (lookup.KeyField < 0)
        lookup.KeyField = FieldIndex(lookup.KeyName);
    if (lookup.KeyField < 0)
        return QVariant();
    const QVariant key = Value(lookup.KeyField);
    if (!key.isValid() || !m_db.HasTable(lookup.Table))
        return QVariant();
    auto& st = m_lookupStatements.at(k);
    if (!st)
        st = std::make_unique<TSqlStatement>(
            m_db.Prepare(QStringLiteral("SELECT %1 FROM %2.%2 WHERE %3 = ?1 LIMIT 1")
                             .arg(QuoteIdentifier(lookup.ResultColumn),
                                  QuoteIdentifier(lookup.Table), QuoteIdentifier(lookup.KeyColumn))));
    st->Reset();
    st->Bind(1, key);
    QVariant result = st->Step() ? st->ColumnValue(0) : QVariant();
    st->Reset();
    return result.isValid() ? QVariant(result.toString()) : QVariant();
}

QString TDataSet::AsString(const QString& name) {
    const QVariant v = Value(name);
    if (!v.isValid())
        return QString();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

int TDataSet::AsInteger(const QString& name) {
    const QVariant v = Value(name);
    if (!v.isValid())
        return 0;
    if (v.typeId() == QMetaType::Double)
        return int(std::lround(v.toDouble()));
    bool ok = false;
    const int i = v.toInt(&ok);
    if (!ok)
        throw EDatabaseError(QStringLiteral("'%1' is not a valid integer value").arg(v.toString()));
    return i;
}

qint64 TDataSet::AsLargeInt(const QString& name) {
    const QVariant v = Value(name);
    return v.isValid() ? v.toLongLong() : 0;
}

double TDataSet::AsFloat(const QString& name) {
    const QVariant v = Value(name);
    if (!v.isValid())
        return 0.0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        throw EDatabaseError(QStringLiteral("'%1' is not a valid floating point value").arg(v.toString()));
    return d;
}

bool TDataSet::AsBoolean(const QString& name) {
    const QVariant v = Value(name);
    if (!v.isValid())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString();
        return s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || s.toLongLong() != 0;
    }
    return v.toLongLong() != 0 || v.toBool();
}

QByteArray TDataSet::AsBytes(const QString& name) {
    const QVariant v = Value(name);
    return v.isValid() ? v.toByteArray() : QByteArray();
}

QVariant TDataSet::ConvertForField(int field, const QVariant& value) const {
    if (!value.isValid() || value.isNull())
        return QVariant();
    const TFieldDef& def = m_fields[size_t(field)];
    bool ok = true;
    switch (def.Type) {
    case TFieldType::Integer:
    case TFieldType::AutoInc: {
        qlonglong i = 0;
        if (value.typeId() == QMetaType::Double)
            i = std::llround(value.toDouble());
        else
            i = value.toLongLong(&ok);
        if (!ok || i < INT32_MIN || i > INT32_MAX)
            throw EDatabaseError(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                                     .arg(value.toString(), def.Name));
        return QVariant(int(i));
    }
    case TFieldType::LargeInt: {
        const qlonglong i = value.toLongLong(&ok);
        if (!ok)
            throw EDatabaseError(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                                     .arg(value.toString(), def.Name));
        return QVariant(i);
    }
    case TFieldType::Float: {
        const double d = value.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            throw EDatabaseError(QStringLiteral("'%1' is not a valid floating point value for field '%2'")
                                     .arg(value.toString(), def.Name));
        return QVariant(d);
    }
    case TFieldType::Boolean:
        if (value.typeId() == QMetaType::QString)
            return QVariant(value.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
                            value.toString().toLongLong() != 0);
        return QVariant(value.toBool());
    case TFieldType::String:
    case TFieldType::Memo:
        return QVariant(value.toString());
    case TFieldType::Graphic:
        return QVariant(value.toByteArray());
    case TFieldType::Variant:
        return value;
    }
    return value;
}

void TDataSet::SetValue(const QString& name, const QVariant& value) {
    SetValue(CheckedIndex(name), value);
}

void TDataSet::SetValue(int field, const QVariant& value) {
    RequireActive();
    if (!Editing())
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode (%1)").arg(m_name));
    if (field < 0 || field >= m_dataFieldCount)
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified")
                                 .arg(field >= 0 && field < int(m_fields.size())
                                          ? m_fields[size_t(field)].Name
                                          : QString::number(field)));
    m_edit[size_t(field)] = ConvertForField(field, value);
    m_changed[size_t(field)] = true;
    m_rowModified = true;
    Notify(TDataEvent::FieldChanged);
}

void TDataSet::SetState(TDataSetState state) {
    m_state = state;
    Notify(TDataEvent::StateChanged);
}

void TDataSet::Edit() {
    RequireActive();
    if (Editing())
        return;
    RequireModifiable();
    if (!m_hasRow) {
        Insert();
        return;
    }
    if (Hooks.BeforeEdit)
        Hooks.BeforeEdit(*this);
    m_edit.assign(size_t(m_dataFieldCount), QVariant());
    m_changed.assign(size_t(m_dataFieldCount), false);
    m_rowModified = false;
    SetState(dsEdit);
    if (Hooks.AfterEdit)
        Hooks.AfterEdit(*this);
}

void TDataSet::Insert() {
    RequireActive();
    CheckBrowseMode();
    RequireModifiable();
    if (Hooks.BeforeInsert)
        Hooks.BeforeInsert(*this);
    EnsurePosition();
    m_rowBeforeInsert = m_hasRow ? m_row : -1;
    m_edit.assign(size_t(m_dataFieldCount), QVariant());
    m_changed.assign(size_t(m_dataFieldCount), false);
    m_rowModified = false;
    SetState(dsInsert);
    if (Hooks.AfterInsert)
        Hooks.AfterInsert(*this);
}

void TDataSet::CheckLimits() const {
    for (int i = 0; i < m_dataFieldCount; ++i) {
        const size_t f = size_t(i);
        if (!(m_state == dsInsert || m_changed[f]))
            continue;
        const TFieldDef& def = m_fields[f];
        if (def.Type == TFieldType::String && def.Size > 0 && m_edit[f].isValid()) {
            const qsizetype length = m_edit[f].toString().size();
            if (length > def.Size)
                throw EDatabaseError(
                    QStringLiteral("The field \"%1\" holds at most %2 characters; this value has %3.")
                        .arg(def.Name)
                        .arg(def.Size)
                        .arg(length));
        }
    }
}

void TDataSet::Post() {
    RequireActive();
    if (!Editing())
        return;
    if (Hooks.BeforePost)
        Hooks.BeforePost(*this);
    CheckLimits();
    const bool inserting = m_state == dsInsert;
    try {
        DoPost(inserting, m_edit, m_changed);
    } catch (const EDatabaseError& e) {
        if (Hooks.OnPostError)
            Hooks.OnPostError(*this, e);
        throw;
    }
    m_edit.clear();
    m_changed.clear();
    m_rowModified = false;
    m_hasRow = true;
    m_eof = m_bof = false;
    ClearRowCache();
    SetState(dsBrowse);
    if (Hooks.AfterPost)
        Hooks.AfterPost(*this);
}

void TDataSet::Cancel() {
    if (!Editing())
        return;
    if (Hooks.BeforeCancel)
        Hooks.BeforeCancel(*this);
    const bool inserting = m_state == dsInsert;
    m_edit.clear();
    m_changed.clear();
    m_rowModified = false;
    m_state = dsBrowse;
    if (inserting) {
        m_row = m_rowBeforeInsert;
        m_hasRow = m_row >= 0 && DoSeek(m_row);
        if (!m_hasRow)
            m_row = -1;
        ClearRowCache();
    }
    Notify(TDataEvent::StateChanged);
    if (Hooks.AfterCancel)
        Hooks.AfterCancel(*this);
}

void TDataSet::CheckBrowseMode() {
    if (!Editing())
        return;
    if (m_rowModified)
        Post();
    else
        Cancel();
}

void TDataSet::Delete() {
    RequireActive();
    RequireModifiable();
    if (m_state == dsInsert) {
        Cancel();
        return;
    }
    if (m_state == dsEdit)
        Cancel();
    if (!EnsurePosition())
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    if (Hooks.BeforeDelete)
        Hooks.BeforeDelete(*this);
    const int row = m_row;
    DoDelete();
    ClearRowCache();
    const int n = DoRowCount();
    if (n == 0) {
        m_hasRow = false;
        m_row = -1;
        m_eof = m_bof = true;
    } else {
        m_row = std::min(row, n - 1);
        m_hasRow = DoSeek(m_row);
        m_eof = m_bof = false;
    }
    Notify(TDataEvent::DataChanged);
    if (Hooks.AfterDelete)
        Hooks.AfterDelete(*this);
    if (m_hasRow && Hooks.AfterScroll)
        Hooks.AfterScroll(*this);
}

void TDataSet::DoPost(bool, const std::vector<QVariant>&, const std::vector<bool>&) {
    throw EReadOnlyError(QStringLiteral("Cannot modify a read-only dataset (%1)").arg(m_name));
}

void TDataSet::DoDelete() {
    throw EReadOnlyError(QStringLiteral("Cannot modify a read-only dataset (%1)").arg(m_name));
}

void TDataSet::DatabaseWillWrite(bool orderMayChange) {
    DoDatabaseWillWrite(orderMayChange);
}

void TDataSet::AddCalculatedField(const QString& name, TFieldType type, int size,
                                  TCalcFunction compute) {
    if (Active())
        throw EDatabaseError(QStringLiteral("Cannot add a field to an open dataset (%1)").arg(m_name));
    TFieldDef def;
    def.Name = name;
    def.Type = type;
    def.Size = size;
    def.Kind = TFieldKind::Calculated;
    m_extraDefs.push_back(def);
    m_calc.push_back(std::move(compute));
    m_lookups.push_back({});
    m_lookupStatements.emplace_back();
}

void TDataSet::AddLookupField(const QString& name, TFieldType type, int size,
                              const QString& keyField, const QString& lookupTable,
                              const QString& lookupKeyField, const QString& resultField) {
    if (Active())
        throw EDatabaseError(QStringLiteral("Cannot add a field to an open dataset (%1)").arg(m_name));
    TFieldDef def;
    def.Name = name;
    def.Type = type;
    def.Size = size;
    def.Kind = TFieldKind::Lookup;
    m_extraDefs.push_back(def);
    m_calc.push_back({});
    m_lookups.push_back({keyField, -1, lookupTable, lookupKeyField, resultField});
    m_lookupStatements.emplace_back();
}

int TDataSet::AddObserver(TObserver observer) {
    const int id = m_nextObserver++;
    m_observers.emplace_back(id, std::move(observer));
    return id;
}

void TDataSet::RemoveObserver(int id) {
    std::erase_if(m_observers, [id](const auto& o) { return o.first == id; });
}

void TDataSet::EnableControls() {
    if (m_controlsDisabled > 0 && --m_controlsDisabled == 0 && m_pendingNotify) {
        m_pendingNotify = false;
        Notify(TDataEvent::DataChanged);
    }
}

void TDataSet::Notify(TDataEvent event) {
    if (m_observers.empty())
        return;
    if (m_controlsDisabled > 0) {
        m_pendingNotify = true;
        return;
    }
    const auto observers = m_observers;
    for (const auto& o : observers)
        o.second(*this, event);
}
