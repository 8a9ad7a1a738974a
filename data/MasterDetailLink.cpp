#include "MasterDetailLink.h"

#include "RecordStore.h"
#include "StoreValues.h"

#include <algorithm>

void TMasterDetailLink::Untie()
{
    if (TRecordStore *master = m_store.MasterSource)
        std::erase(master->m_link.m_details, &m_store);
    for (TRecordStore *detail : m_details)
        if (detail->MasterSource == &m_store)
            detail->MasterSource = nullptr;
    m_details.clear();
}

void TMasterDetailLink::AddDetail(TRecordStore *detail)
{
    if (std::find(m_details.begin(), m_details.end(), detail) == m_details.end())
        m_details.push_back(detail);
}

std::vector<TRecordStore *> TMasterDetailLink::Details() const
{
    std::vector<TRecordStore *> details;
    for (TRecordStore *detail : m_details)
        if (detail->MasterSource == &m_store && detail->Active())
            details.push_back(detail);
    return details;
}

void TMasterDetailLink::Follow()
{
    if (m_suspended > 0)
        return;
    for (TRecordStore *detail : Details())
        detail->m_link.CatchUp();
}

void TMasterDetailLink::Resume()
{
    if (m_suspended > 0 && --m_suspended == 0)
        Follow();
}

void TMasterDetailLink::RowsRead(const QStringList &selectParams)
{
    m_names.clear();
    if (const TRecordStore *master = m_store.MasterSource)
        for (const QString &name : selectParams)
            if (master->FindField(name))
                m_names << name;
    m_key = MasterKey();
    m_read = true;
}

QVariantList TMasterDetailLink::MasterKey() const
{
    QVariantList key;
    const TRecordStore *master = m_store.MasterSource;
    if (!master)
        return key;
    const bool onRow = master->Active() && master->RecNo() >= 0;
    for (const QString &name : m_names) {
        const TStoreField *field = master->FindField(name);
        key << (onRow && field ? field->Value() : QVariant());
    }
    return key;
}

void TMasterDetailLink::CatchUp()
{
    if (!m_store.MasterSource || !m_store.Active())
        return;
    const QVariantList key = MasterKey();
    bool same = m_read && key.size() == m_key.size();
    for (qsizetype i = 0; same && i < key.size(); ++i)
        same = SameValue(key[i], m_key[i]);
    if (same)
        return;
    if (m_store.State() == TStoreState::Insert || m_store.State() == TStoreState::Edit)
        m_store.Cancel();
    m_store.ReadAgain();
}
