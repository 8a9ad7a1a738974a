#pragma once
// Identifier of one program run: the 32 upper-case hex digits of a new GUID, "_", the
// local date and time "yyyymmdd_hhnnss" (48 characters); empty when no GUID is made.
#include <QString>

QString MakeRunId();
