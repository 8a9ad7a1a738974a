#pragma once
// A cursor over the rows of a store with fields by name (case-insensitive).
#include <QString>
#include <QVariant>

class TRecordCursor
{
public:
    virtual ~TRecordCursor() = default;

    virtual bool IsEmpty() const = 0;
    virtual void First() = 0;
    virtual void Next() = 0;
    virtual bool Eof() const = 0;
    // Value of the "ID" field of the current row; null on an empty cursor.
    virtual QVariant CurrentId() const = 0;
    // Moves to the row with that ID; false (and no move) when there is none.
    virtual bool LocateId(const QVariant &id) = 0;
    // Date-time fields may come as QDateTime or as day serial.
    virtual QVariant FieldValue(const QString &name) const = 0;
    // Counted: displays attached to the cursor update again when every disable is undone.
    virtual void DisableControls() = 0;
    virtual void EnableControls() = 0;
};
