#pragma once
// The tie between a master store and the details that follow its current row. A detail's
// select parameters named like a master field take that field's value; whenever the master's
// row brings other values, the detail reads its rows again at once. While the master holds
// its details (Suspend/Resume, counted), they keep their rows; they catch up at the last
// Resume, or when they are moved or changed themselves.
#include <QStringList>
#include <QVariant>
#include <vector>

class TRecordStore;

class TMasterDetailLink
{
public:
    explicit TMasterDetailLink(TRecordStore &store) : m_store(store) {}
    TMasterDetailLink(const TMasterDetailLink &) = delete;
    TMasterDetailLink &operator=(const TMasterDetailLink &) = delete;

    // Leaves the master's details and lets go of this store's own (the store goes away).
    void Untie();

    // --- master side ---
    void AddDetail(TRecordStore *detail);
    // The open stores that name this one as their master.
    std::vector<TRecordStore *> Details() const;
    // Each detail whose master values changed reads again (not while suspended).
    void Follow();
    void Suspend() { ++m_suspended; }
    void Resume();
    bool Suspended() const { return m_suspended > 0; }

    // --- detail side ---
    // The select with these parameters is about to read the rows.
    void RowsRead(const QStringList &selectParams);
    // That reading failed: the next CatchUp reads again.
    void ReadFailed() { m_read = false; }
    // Reads again when the master's values differ from those of the last read.
    void CatchUp();

private:
    QVariantList MasterKey() const;

    TRecordStore &m_store;
    std::vector<TRecordStore *> m_details;
    int m_suspended = 0;
    QStringList m_names; // select parameters that are master fields
    QVariantList m_key;  // their values at the last read
    bool m_read = false;
};
