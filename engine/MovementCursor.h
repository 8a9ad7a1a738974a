#pragma once
// The engine's view of the movements of the current asset.
#include "RecordCursor.h"

class TMovementCursor : public TRecordCursor
{
};
