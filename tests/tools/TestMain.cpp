#include "TestMain.h"
#include "TestReportToolOptions.h"

NORBEK_TEST_MAIN_GUI(TestReportToolOptions)
