#pragma once
// TRecordStore: a dataset over Qt SQL with rows buffered in memory at open.
//
// Kinds (by set-up): query store (SQL = select lines), table store (TableName, optional
// IndexName: rows read in that index's order, the database must have the index), or an
// in-memory store (neither).
//
// Walking:  Open/Close/Active, First/Next/Prior/Last, Eof/Bof, IsEmpty, RecordCount,
//           RecNo (0-based, -1 when empty), MoveTo(row), Locate(field, value), LocateId(id),
//           Lookup(keyField, keyValue, resultField) (no move), CurrentId().
// Fields:   FieldByName (case-insensitive; raises EDatabaseError), FindField (nullptr),
//           FieldCount/Fields(i); values through TStoreField.
// Editing:  Insert/Append/Edit/Post/Cancel/Delete; State(). Post and Delete run the
//           update statements with named parameters (":NAME" current value, ":OLD_NAME" the
//           value as read) and commit at once when CommitOnWrite is set. A refused statement
//           raises EDatabaseError (German, names the field or reason) and leaves the state
//           and every typed value as they were. Moving off an inserted or edited row posts
//           it first (cancels it when nothing was typed; what AfterInsert puts into a
//           new row counts as untyped).
// Detail:   MasterSource set: the select's parameters take the master's field of the same
//           name; the rows follow the master's current row: they are read again whenever
//           the master's row brings other values, also while the master's controls are
//           disabled. SuspendDetails/ResumeDetails (counted) hold the details still during a
//           walk that does not read them; they catch up at the last ResumeDetails, or when
//           they are moved or changed themselves.
// Lookups:  a lookup field's LookupDataSet is opened with this store.
// Controls: DisableControls/EnableControls are counted; while disabled no display signal
//           is sent; the last EnableControls sends DataSetChanged() when rows changed
//           meanwhile, then StateChanged() and CurrentChanged().
// Getters (const) only read what the store holds: they never run a statement.
// The store is also the engine's movement cursor (TMovementCursor).
#include "MasterDetailLink.h"
#include "MovementCursor.h"
#include "StatementCache.h"
#include "StatementParams.h"
#include "StoreField.h"
#include "TableInsert.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

class TIBDatabase;
class TIBTransaction;
class QSqlQuery;

enum class TStoreState { Closed, Browse, Insert, Edit };

// The statements a store writes through (the update object of a query store).
struct TUpdateSQL {
    QString RefreshSQL;
    QString ModifySQL;
    QString InsertSQL;
    QString DeleteSQL;
};

class TRecordStore : public QObject, public TMovementCursor
{
    Q_OBJECT
public:
    using TDataSetNotifyEvent = std::function<void(TRecordStore *DataSet)>;

    explicit TRecordStore(const QString &name, QObject *parent = nullptr);
    ~TRecordStore() override;

    // --- set-up (before Open) ---
    TIBDatabase *Database = nullptr;
    TIBTransaction *Transaction = nullptr;
    QStringList SQL;
    QString TableName;
    QString IndexName;
    QString IndexFieldNames; // in-memory stores: a local index (kept, not used for reading)
    TUpdateSQL UpdateObject;
    QString GeneratorName; // drawn into GeneratorField when a row is started
    QString GeneratorField = QStringLiteral("ID");
    TRecordStore *MasterSource = nullptr;
    bool CommitOnWrite = true;
    // Above 1, on a table store without CommitOnWrite: rows appended and posted through the
    // table's insert are gathered and written that many with one statement. They are
    // written before the transaction commits and before anything that reads the table or
    // moves, changes or drops rows (FlushInserts).
    int InsertGroup = 1;

    TDataSetNotifyEvent AfterOpen, AfterInsert, BeforePost, AfterPost, AfterScroll, AfterCancel,
        AfterDelete;

    // Field definitions; without any, Open creates one field per result column.
    TStoreField *AddField(const QString &name, TFieldType type, int size = 0,
                          const QString &label = {});
    TStoreField *AddLookupField(const QString &name, TFieldType type, int size,
                                TRecordStore *lookupDataSet, const QString &keyFields,
                                const QString &lookupKeyFields, const QString &resultField,
                                const QString &label = {});

    // Select parameters by name (case-insensitive); detail parameters come from the master.
    void SetParam(const QString &name, const QVariant &value);
    QVariant Param(const QString &name) const;
    void ClearParams() { m_params.clear(); }

    // --- state and walking ---
    bool Active() const { return m_state != TStoreState::Closed; }
    TStoreState State() const { return m_state; }
    void Open();
    // Opens without reading, for a table this transaction has just emptied; a store whose
    // fields come from reading opens as Open does.
    void OpenEmpty();
    void Close();
    void Refresh(); // re-reads the rows and stays on the same ID where it can
    // Reads with another select and stands on the first row; a closed store is opened. A row
    // being inserted or edited is posted first (an untouched new one cancelled); a refused
    // post raises and changes nothing. If the database refuses the new select, the previous
    // one is put back and read again, on the same ID where it can, and the refusal is raised.
    // The details follow once, to the new current row.
    void SetStatement(const QStringList &sql);
    // Puts the rows held in the order of the named index (as reopening with IndexName set
    // would read them, when the store holds exactly the table's rows) and goes to the first.
    void SortByIndex(const QString &indexName);

    bool IsEmpty() const override;
    int RecordCount() const;
    // Rows fetched from the database since the store was made (for measurements).
    qint64 RowsRead() const { return m_rowsRead; }
    int RecNo() const;
    void MoveTo(int row);
    void First() override;
    void Last();
    void Next() override;
    void Prior();
    bool Eof() const override;
    bool Bof() const;
    bool Locate(const QString &fieldName, const QVariant &value);
    QVariant Lookup(const QString &keyField, const QVariant &keyValue,
                    const QString &resultField) const;

    // --- fields ---
    int FieldCount() const { return int(m_fields.size()); }
    // Changes whenever fields are added or dropped; field indexes hold while it stays.
    int FieldSetGeneration() const { return m_fieldGeneration; }
    TStoreField *Fields(int index) const { return m_fields[size_t(index)].get(); }
    TStoreField *FindField(const QString &name) const;
    TStoreField *FieldByName(const QString &name) const;

    // --- editing ---
    void Insert();
    void Append();
    // Appends a row holding values for the first fields in field order, then posts it; an
    // invalid QVariant leaves its field as Append set it. A refused post leaves the row in
    // insert state, as Post does.
    void AppendRecord(const QVariantList &values);
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    // Deletes the rows with these IDs, each written and committed as Delete does; IDs the
    // store does not hold are passed over. An edit of a row that goes is dropped, one of
    // another row is posted first. The store stays on its row if it is kept, else on the
    // row that follows the deleted one (the last row at the end). A refused delete raises
    // EDatabaseError: the rows deleted before it stay deleted. Returns the rows deleted.
    int DeleteRecords(const QVariantList &ids);
    void CheckBrowseMode(); // posts (or cancels an untouched new row) when editing
    bool Modified() const { return m_modified; }
    // Writes the gathered rows. A refused row raises EDatabaseError as Post does; that row
    // and the ones gathered after it are taken out of the store, those before it stay written.
    void FlushInserts();

    // Runs SQL with the parameters (no result rows); statements on a scratch store.
    void ExecSQL();

    // --- TMovementCursor ---
    QVariant CurrentId() const override;
    bool LocateId(const QVariant &id) override;
    QVariant FieldValue(const QString &name) const override;
    void DisableControls() override;
    void EnableControls() override;
    bool ControlsDisabled() const { return m_disableCount > 0; }
    // Details hold still while suspended (counted; see Detail above).
    void SuspendDetails() { m_link.Suspend(); }
    void ResumeDetails() { m_link.Resume(); }

    // Puts another row in front for reading (grid drawing); the cursor does not move.
    class TRowScope
    {
    public:
        TRowScope(const TRecordStore *store, int row);
        ~TRowScope();
        TRowScope(const TRowScope &) = delete;
        TRowScope &operator=(const TRowScope &) = delete;

    private:
        const TRecordStore *m_store;
        int m_saved;
    };

signals:
    // Display signals (not sent while controls are disabled). Each "About" signal comes
    // before the rows change, its partner after; rows are 0-based, first..last inclusive.
    void StateChanged();
    void CurrentChanged(int row);             // also after rows were inserted, removed or re-read
    void RowChanged(int row, int fieldIndex); // fieldIndex -1: the whole row
    void RowsAboutToBeInserted(int first, int last);
    void RowsInserted(int first, int last);
    void RowsAboutToBeRemoved(int first, int last);
    void RowsRemoved(int first, int last);
    // The rows were put in another order: order[i] is the former place of the row now at i.
    void LayoutAboutToBeChanged();
    void LayoutChanged(const QList<qsizetype> &order);
    // All rows replaced: opened, closed, read again.
    void DataSetAboutToChange();
    void DataSetChanged();
    // Sent at the start of Post so that bound editors hand over what they hold.
    void UpdateRecordRequested();
    // Fields made from the result columns were created or dropped (sent even while
    // controls are disabled: field pointers held elsewhere are then invalid).
    void FieldsChanged();

private:
    friend class TStoreField;
    friend class TIBTransaction;    // forgets the gathered rows at a rollback
    friend class TMasterDetailLink; // reads a detail again
    using TRow = QVector<QVariant>;
    class TRowsReplaced;

    void CheckActive() const;
    void CatchUpDetail(); // a detail held still while its master moved
    void ReadRows();
    void ReadAgain(); // re-reads and goes to the first row
    QString SelectText();
    void BindParams(QSqlQuery &query, const QString &sql, const TRow *oldRow);
    QVariant ReadValue(const TStoreField *field) const;
    void WriteValue(TStoreField *field, const QVariant &value);
    const TRow *ActiveRow() const;
    void StartRow(int position, const QVariantList *values = nullptr); // values in field order
    void RemoveRows(int first, int count);
    void AfterMove(bool fireScroll);
    // Whether displays hear of a change now; while controls are disabled they hear of it at
    // the last EnableControls.
    bool ShowChange();
    void DisplayCurrent();
    void DisplayRow(int row);
    void DisplayState();
    void RunWrite(const QString &sql, const TRow *oldRow, const QString &operation);
    QString TableInsertText() { return m_tableInsert.Text(TableName, m_fields); }
    // The prepared statement for sql in this transaction; false when it cannot be prepared.
    std::shared_ptr<QSqlQuery> Statement(const QString &sql, bool &ok);
    bool GathersInsert(const QString &sql) const;
    bool WriteInsertGroup(int firstRow); // InsertGroup rows with one statement
    void OpenStore(bool read);           // Open, reading the rows or starting with none

    std::vector<std::unique_ptr<TStoreField>> m_fields;
    QHash<QString, TStoreField *> m_byName; // upper-case names
    bool m_autoFields = false;
    int m_fieldGeneration = 0; // counts changes of the field set
    TTableInsert m_tableInsert;
    int m_gathered = 0; // the last rows: posted, not written yet
    QHash<QString, QVariant> m_params;
    TMasterDetailLink m_link{*this};

    QVector<TRow> m_rows;
    int m_recNo = -1;
    qint64 m_rowsRead = 0;
    bool m_eof = true;
    bool m_bof = true;
    TStoreState m_state = TStoreState::Closed;
    TRow m_original;       // the row as read, while editing
    int m_insertFrom = -1; // row the cursor stood on before Insert
    bool m_modified = false;
    int m_disableCount = 0;
    bool m_displayStale = false; // rows changed while controls were disabled
    mutable int m_scopeRow = -1;

    // Select and writes, prepared once per transaction; the parameters of each text.
    TStatementCache m_statements;
    TStatementParamsCache m_statementParams;
};
