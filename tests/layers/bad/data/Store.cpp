#include "AfaReport.h"
#include "EngineThing.h"
