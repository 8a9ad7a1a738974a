#include "TestMain.h"
#include "TestDamagedDatabaseTool.h"
#include "TestInstalledReportTool.h"
#include "TestReportToolOptions.h"
#include "TestReportToolOutput.h"
#include "TestReportToolPdf.h"
#include "TestReportToolProcess.h"
#include "TestReportToolSignals.h"

NORBEK_TEST_MAIN_GUI(TestReportToolOptions, TestReportToolProcess, TestReportToolOutput,
                     TestReportToolSignals, TestDamagedDatabaseTool, TestReportToolPdf,
                     TestInstalledReportTool)
