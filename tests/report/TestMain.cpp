#include "TestMain.h"
#include "TestEvaluationRun.h"
#include "TestPreviewRun.h"

NORBEK_TEST_MAIN_GUI(TestEvaluationRun, TestPreviewRun)
