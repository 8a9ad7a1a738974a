#include "TestEvaluationRun.h"
#include "TestMain.h"
#include "TestPreviewRun.h"
#include "TestReportToolOptions.h"

NORBEK_TEST_MAIN_GUI(TestReportToolOptions, TestEvaluationRun, TestPreviewRun)
