#pragma once
// Data modules over fresh databases with a known content, for the store, binder and widget
// tests (those test programs link the data layer).
#include "DMod_Afa.h"
#include "TestDatabase.h"

#include <memory>

namespace TestModules
{

// Account 1 "0400" and count active assets (IDs 1..count) on it; the assets store open.
inline std::unique_ptr<Tdm_Afa> ModuleWithAssets(int count)
{
    const QString path = TestDatabase::FreshCopy();
    TestDatabase::Exec(path, QStringLiteral("INSERT INTO AFA_KONTEN (ID, NR, BEZEICHNUNG) "
                                            "VALUES (1, '0400', 'Konto')"));
    if (count > 0)
        TestDatabase::AddManyAssets(path, 1, count);
    TestDatabase::Exec(
        path, QStringLiteral("ALTER SEQUENCE GEN_AFA_ERFASSUNG_ID RESTART WITH %1").arg(count));
    auto dm = std::make_unique<Tdm_Afa>(nullptr, path);
    dm->qry_Afa_Erfassung->Open();
    return dm;
}

// Accounts "Konto 0400" and "Konto 0420"; three assets on the first account, costs 100,
// 200, 300, posted through the stores; both stores on their first row.
inline std::unique_ptr<Tdm_Afa> ModuleWithThreeAssets(QString *path = nullptr)
{
    const QString file = TestDatabase::FreshCopy();
    if (path)
        *path = file;
    auto dm = std::make_unique<Tdm_Afa>(nullptr, file);
    const auto field = [](TRecordStore *store, const char *name) {
        return store->FieldByName(QString::fromLatin1(name));
    };
    TRecordStore *k = dm->qry_Afa_Konten;
    k->Open();
    for (const char *nr : {"0400", "0420"}) {
        k->Append();
        field(k, "NR")->SetAsString(QString::fromLatin1(nr));
        field(k, "BEZEICHNUNG")->SetAsString(QStringLiteral("Konto ") + QString::fromLatin1(nr));
        k->Post();
    }
    k->First();
    TRecordStore *e = dm->qry_Afa_Erfassung;
    e->Open();
    for (int cost : {100, 200, 300}) {
        e->Append();
        field(e, "KOSTEN")->SetAsFloat(cost);
        field(e, "AFA_KONTEN_ID")->SetValue(field(k, "ID")->Value());
        e->Post();
    }
    e->First();
    return dm;
}

} // namespace TestModules
