#pragma once
// The engine's view of the movements of the current asset.
#include "RecordCursor.h"

class TMovementCursor : public TRecordCursor
{
public:
    // A cursor that has the current asset's additions per year at hand gives the sum of the
    // year's "Zugang" values (empty ones left out, added in cursor order) and returns true;
    // the others return false and are walked.
    virtual bool KnownAdditionsOfYear(int year, double &sum) const
    {
        Q_UNUSED(year);
        Q_UNUSED(sum);
        return false;
    }
};
