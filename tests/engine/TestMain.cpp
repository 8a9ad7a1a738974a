#include "TestMain.h"
#include "TestDecliningSchedule.h"
#include "TestEngineEdges.h"
#include "TestGermanFormat.h"
#include "TestKindsAndFilter.h"
#include "TestLinearSchedule.h"
#include "TestPickerDateText.h"
#include "TestTextPreview.h"

#include <QGuiApplication>

NORBEK_TEST_MAIN_GUI(TestKindsAndFilter, TestGermanFormat, TestLinearSchedule,
                     TestDecliningSchedule, TestEngineEdges, TestTextPreview, TestPickerDateText)
