#pragma once
// German messages for statements the database refused. The message names the field (by
// its display label) or the reason: a duplicate key, a reference that blocks a delete or
// an ID change or points nowhere, a text too long, a character outside ISO 8859-1, a lock
// conflict.
#include <QString>

class TRecordStore;

// operation: "post" or "delete"; the store stands on the refused row.
QString GermanWriteError(const TRecordStore *store, const QString &databaseText,
                         const QString &operation);
// True for a lock or update conflict with another connection.
bool IsConflictError(const QString &databaseText);
// A single statement (scratch query) that failed.
QString GermanStatementError(const QString &databaseText);
// The database file could not be attached: says what is wrong (missing, damaged, in use by
// another running program) and what to do.
QString GermanOpenError(const QString &path, const QString &databaseText);
