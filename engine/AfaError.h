#pragma once
// EAfaError: an error of the depreciation engine and the evaluation run, with a German
// message for the user.
#include "AppError.h"

class EAfaError : public EAppError
{
public:
    using EAppError::EAppError;
};

// A text that does not read as the number asked for.
class EConvertError : public EAfaError
{
public:
    using EAfaError::EAfaError;
};
