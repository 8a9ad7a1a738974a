#pragma once
// Fresh databases for the tests and benchmarks: a template is made once per run from the schema
// script (through the same CMake script the build uses); each test gets its own copy in a temporary
// folder. The database beside the executable is never touched.
#include <QString>

#include <QSqlDatabase>

namespace TestDatabase
{
// Makes a database at path from the schema script, as the build does; false on failure.
bool Create(const QString &path);
// An open connection with the program's parameters, under the given connection name.
QSqlDatabase Connect(const QString &path, const QString &name);
// Path of a new database copy (a new file on every call).
QString FreshCopy();
// Runs a statement outside any data module (own connection, committed).
void Exec(const QString &path, const QString &sql);
// Value of the first column of the first row (own connection).
QVariant Scalar(const QString &path, const QString &sql);
// Adds count active straight-line assets with IDs from firstId on (account 1 must exist),
// and movements per asset; one statement, so large numbers are quick.
void AddManyAssets(const QString &path, int firstId, int count, int movementsPerAsset = 0);
// In one transaction: accounts 1..accounts and assets 1..assets with varied names, dates,
// costs, lives, accounts and kinds, as the benchmarks use them.
void FillForBench(QSqlDatabase &db, int assets, int accounts);
// A fresh copy filled that way; its path.
QString FilledForBench(int assets, int accounts);
// A copy of path cut to share of its size, as a file damaged on disk would be.
QString TruncatedCopy(const QString &path, double share);
} // namespace TestDatabase
