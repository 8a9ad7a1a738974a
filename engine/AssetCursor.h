#pragma once
// The evaluation's view of the asset store: its rows in the order the user chose.
#include "RecordCursor.h"

class TAssetCursor : public TRecordCursor
{
public:
    virtual bool IsOpen() const = 0;
    // True when the cursor stands on the first row of the store.
    virtual bool IsFirstRow() const = 0;
    virtual int RecordCount() const = 0;
};
