#include "TestMain.h"
#include "TestAfaLayouts.h"
#include "TestEvaluationRun.h"
#include "TestPreviewRun.h"
#include "TestRenderReport.h"

NORBEK_TEST_MAIN_GUI(TestEvaluationRun, TestPreviewRun, TestRenderReport, TestAfaLayouts)
