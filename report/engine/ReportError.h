#pragma once
// EReportError: an error of the report engine (project file, layout, snapshot, output),
// with a German message for the user.
#include "AppError.h"

class EReportError : public EAppError
{
public:
    using EAppError::EAppError;
};
