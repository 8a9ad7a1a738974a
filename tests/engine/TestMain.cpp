#include "TestDecliningSchedule.h"
#include "TestEngineEdges.h"
#include "TestGermanFormat.h"
#include "TestKindsAndFilter.h"
#include "TestLinearSchedule.h"
#include "TestMain.h"

NORBEK_TEST_MAIN_CORE(TestKindsAndFilter, TestGermanFormat, TestLinearSchedule,
                      TestDecliningSchedule, TestEngineEdges)
