#include "TestMain.h"
#include "TestDamagedDatabaseTool.h"
#include "TestEvaluationRun.h"
#include "TestPreviewRun.h"
#include "TestReportToolOptions.h"
#include "TestReportToolOutput.h"
#include "TestReportToolProcess.h"
#include "TestReportToolSignals.h"

NORBEK_TEST_MAIN_GUI(TestReportToolOptions, TestEvaluationRun, TestPreviewRun,
                     TestReportToolProcess, TestReportToolOutput, TestReportToolSignals,
                     TestDamagedDatabaseTool)
