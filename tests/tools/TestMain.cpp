#include "TestEvaluationRun.h"
#include "TestMain.h"
#include "TestPreviewRun.h"
#include "TestReportToolOptions.h"
#include "TestReportToolProcess.h"

NORBEK_TEST_MAIN_GUI(TestReportToolOptions, TestEvaluationRun, TestPreviewRun,
                     TestReportToolProcess)
