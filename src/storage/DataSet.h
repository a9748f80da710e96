// The data-set layer: a cursor over the rows of a table or of a query result.
//
// A data set has a current row and a state (inactive, browse, edit, insert). It moves with
// First/Next/Prior/Last and Locate, reads fields by name (or by index on hot paths), and edits
// the current row with Edit/Insert/Append, SetValue, Post/Cancel and Delete. Moving to another
// row while editing posts the row first. Hooks run before and after every change of row or
// state; a Before hook that throws stops the operation and leaves the state as it was.
//
// Fields are the data columns followed by calculated fields (computed from the current row
// whenever they are read) and lookup fields (a value looked up in another table by key).
// NULL is an invalid QVariant. String limits are checked on post with a clear message.
// Pictures (Graphic fields) are read only when a program asks for them.
//
// TTable (a stored table in a named index order, editable) and TQuery (a read-only SELECT, or
// an UPDATE/DELETE run with ExecSQL) are the two kinds.
#pragma once

#include "storage/SqlStatement.h"
#include "storage/TableDef.h"

#include <QFlags>
#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class TDatabase;
class EDatabaseError;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

enum class TLocateOption { CaseInsensitive = 1, PartialKey = 2 };
Q_DECLARE_FLAGS(TLocateOptions, TLocateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLocateOptions)

enum class TFieldKind { Data, Calculated, Lookup };

struct TFieldDef {
    QString Name;
    TFieldType Type = TFieldType::String;
    int Size = 0;
    TFieldKind Kind = TFieldKind::Data;
    QString OriginTable;  // data fields: the stored table and column the value comes from
    QString OriginColumn;
    bool Deferred = false; // read on demand (pictures)
};

// What data-aware observers are told.
enum class TDataEvent { Opened, Closed, RowChanged, StateChanged, FieldChanged, DataChanged };

class TDataSet {
public:
    using THook = std::function<void(TDataSet&)>;
    struct THooks {
        THook BeforeOpen, AfterOpen, BeforeClose, AfterClose;
        THook BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
        THook BeforePost, AfterPost, BeforeCancel, AfterCancel;
        THook BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
        // Runs when the engine rejects a post, before the error propagates.
        std::function<void(TDataSet&, const EDatabaseError&)> OnPostError;
    };
    THooks Hooks;

    using TCalcFunction = std::function<QVariant(TDataSet&)>;
    using TObserver = std::function<void(TDataSet&, TDataEvent)>;

    TDataSet(TDatabase& db, QString name);
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    const QString& Name() const { return m_name; }
    TDatabase& Database() const { return m_db; }

    // Opening and closing.
    void Open();
    void Close();
    void SetActive(bool active) { active ? Open() : Close(); }
    bool Active() const { return m_state != dsInactive; }
    TDataSetState State() const { return m_state; }
    bool Editing() const { return m_state == dsEdit || m_state == dsInsert; }
    // Reads the rows again, keeping the current row when it still exists.
    void Refresh();

    // Navigation. Eof is true after Next past the last row or on an empty set; Bof likewise.
    void First();
    void Last();
    void Next();
    void Prior();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    int RecordCount();
    bool IsEmpty();
    // 1-based number of the current row; 0 without one.
    int RecNo();
    void SetRecNo(int recNo);
    // Moves to the first row (in the set's order) whose field equals `value`; true when found.
    bool Locate(const QString& field, const QVariant& value, TLocateOptions options = {});

    // Field definitions: data fields, then calculated and lookup fields.
    const std::vector<TFieldDef>& Fields() const { return m_fields; }
    int FieldIndex(const QString& name) const;
    bool HasField(const QString& name) const { return FieldIndex(name) >= 0; }
    QStringList FieldNames() const;

    // Reading the current row. Reading without a current row gives NULL.
    QVariant Value(int field);
    QVariant Value(const QString& name) { return Value(CheckedIndex(name)); }
    bool IsNull(const QString& name) { return !Value(name).isValid(); }
    QString AsString(const QString& name);
    int AsInteger(const QString& name);
    qint64 AsLargeInt(const QString& name);
    double AsFloat(const QString& name);
    bool AsBoolean(const QString& name);
    QByteArray AsBytes(const QString& name);

    // Writing fields of the row being edited or inserted. The value is converted to the
    // field's type; an invalid QVariant sets NULL.
    void SetValue(const QString& name, const QVariant& value);
    void SetValue(int field, const QVariant& value);
    void SetNull(const QString& name) { SetValue(name, QVariant()); }
    bool RowModified() const { return m_rowModified; }

    // Editing.
    void Edit();
    void Insert();
    void Append() { Insert(); }
    void Post();
    void Cancel();
    void Delete();
    // Posts or cancels a pending edit (posting when a field was changed).
    void CheckBrowseMode();

    bool ReadOnly() const { return m_readOnly; }
    // Opening read-only: Edit, Insert and Delete then fail with EReadOnlyError.
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    virtual bool CanModify() const { return !m_readOnly; }

    // Calculated and lookup fields; added while the set is closed.
    void AddCalculatedField(const QString& name, TFieldType type, int size, TCalcFunction compute);
    // A lookup field: the value of `resultField` of the row of `lookupTable` whose
    // `lookupKeyField` equals this set's `keyField`; NULL when there is none.
    void AddLookupField(const QString& name, TFieldType type, int size, const QString& keyField,
                        const QString& lookupTable, const QString& lookupKeyField,
                        const QString& resultField);

    // Data-aware observers: notified of changes unless controls are disabled (then once when
    // they are enabled again).
    int AddObserver(TObserver observer);
    void RemoveObserver(int id);
    void DisableControls() { ++m_controlsDisabled; }
    void EnableControls();
    bool ControlsDisabled() const { return m_controlsDisabled > 0; }

    // Whether the set reads `table` (for write notifications and detaching).
    virtual bool UsesTable(const QString& table) const = 0;

    // Called by the database before any write through the connection.
    void DatabaseWillWrite(bool orderMayChange);
    // Called by the database when it closes: every prepared statement is dropped.
    virtual void ReleaseStatements();

protected:
    // Row source of the subclasses. Rows are numbered from 0 in the set's order.
    virtual void DoOpen(std::vector<TFieldDef>& dataFields) = 0;
    virtual void DoClose() = 0;
    virtual int DoRowCount() = 0;
    // True when `row` exists (fetching as needed); makes it the current source row.
    virtual bool DoSeek(int row) = 0;
    // The value of data field `field` of the current source row.
    virtual QVariant DoRead(int field) = 0;
    // Index of the current source row when the current row was reached without a position
    // (after an insert or a located row); -1 when the row no longer exists.
    virtual int DoResolvePosition() { return m_row; }
    // Normalises a value read from the engine to the field's type.
    QVariant NormaliseRead(int field, const QVariant& value) const;
    virtual bool DoLocate(int field, const QVariant& value, TLocateOptions options, int& row);
    virtual void DoPost(bool inserting, const std::vector<QVariant>& values,
                        const std::vector<bool>& changed);
    virtual void DoDelete();
    // Before any write through the connection: let go of live statements (the row they hold
    // may move) and note that the order may change; the current row is read again by key.
    virtual void DoDatabaseWillWrite(bool orderMayChange) = 0;

    void Notify(TDataEvent event);
    int CheckedIndex(const QString& name) const;
    void SetCurrentRowUnpositioned(); // the current row exists but its number is not known yet
    void ClearRowCache();
    int DataFieldCount() const { return m_dataFieldCount; }

    int m_row = -1; // current row number, -1 when none or unknown

private:
    struct TLookup {
        QString KeyName;
        int KeyField = -1;
        QString Table, KeyColumn, ResultColumn; // Table empty: a calculated field
    };

    void MoveTo(int row, bool forward);
    bool EnsurePosition();
    void AfterRowChange();
    void SetState(TDataSetState state);
    QVariant Calculate(int field);
    QVariant ConvertForField(int field, const QVariant& value) const;
    void CheckLimits() const;
    void RequireActive() const;
    void RequireModifiable() const;

    TDatabase& m_db;
    QString m_name;
    TDataSetState m_state = dsInactive;
    bool m_eof = true;
    bool m_bof = true;
    bool m_hasRow = false;
    bool m_readOnly = false;
    std::vector<TFieldDef> m_fields;
    int m_dataFieldCount = 0;
    QHash<QString, int> m_fieldIndex;
    std::vector<TFieldDef> m_extraDefs;
    std::vector<TCalcFunction> m_calc;          // by field index − data field count
    std::vector<TLookup> m_lookups;             // likewise; unused slots hold KeyField −1
    std::vector<std::unique_ptr<TSqlStatement>> m_lookupStatements;
    std::vector<QVariant> m_cache;
    std::vector<char> m_cached;
    std::vector<QVariant> m_edit;
    std::vector<bool> m_changed;
    bool m_rowModified = false;
    int m_rowBeforeInsert = -1;
    int m_controlsDisabled = 0;
    bool m_pendingNotify = false;
    int m_nextObserver = 1;
    std::vector<std::pair<int, TObserver>> m_observers;
    bool m_calculating = false;
};
