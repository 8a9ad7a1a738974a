#include "TestDecliningSchedule.h"
#include "TestEngineEdges.h"
#include "TestGermanFormat.h"
#include "TestKindsAndFilter.h"
#include "TestLinearSchedule.h"
#include "TestMain.h"
#include "TestTextPreview.h"

#include <QGuiApplication>

NORBEK_TEST_MAIN_GUI(TestKindsAndFilter, TestGermanFormat, TestLinearSchedule,
                     TestDecliningSchedule, TestEngineEdges, TestTextPreview)
