#include "TestMain.h"
#include "TestLayoutGolden.h"
#include "TestProjectFileReader.h"
#include "TestReportLayouter.h"
#include "TestReportProject.h"
#include "TestValueFormat.h"

NORBEK_TEST_MAIN_GUI(TestValueFormat, TestProjectFileReader, TestReportProject, TestReportLayouter,
                     TestLayoutGolden)
