#pragma once
// What the form control tests share: a data module over a fresh database with two accounts
// and three assets, and a user who answers message boxes.
#include "BoxAnswerer.h"
#include "DMod_Afa.h"
#include "TestModules.h"

#include <memory>

namespace FormTestKit
{

inline TStoreField *F(TRecordStore *store, const char *name)
{
    return store->FieldByName(QString::fromLatin1(name));
}

// Accounts "Konto 0400" and "Konto 0420"; three assets on the first account, costs 100,
// 200, 300; both stores on their first row.
inline std::unique_ptr<Tdm_Afa> Module(QString *path = nullptr)
{
    return TestModules::ModuleWithThreeAssets(path);
}

} // namespace FormTestKit
