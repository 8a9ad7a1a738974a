#include "TestAbout.h"
#include "TestAfaReport.h"
#include "TestDbDateEdit.h"
#include "TestDbFieldControls.h"
#include "TestDbGrid.h"
#include "TestDbLookupComboBox.h"
#include "TestDbNavigator.h"
#include "TestDrawnLook.h"
#include "TestErrorHandler.h"
#include "TestIntroPage.h"
#include "TestMainWindow.h"
#include "TestSettingsPage.h"

#include "Application.h"

#include <TestMain.h>

int main(int argc, char **argv)
{
    const int child = RunWindowChild(argc, argv);
    if (child >= 0)
        return child;
    TApplication app(argc, argv);
    return RunTests<TestErrorHandler, TestDbGrid, TestDbNavigator, TestDbDateEdit,
                    TestDbLookupComboBox, TestDbFieldControls, TestIntroPage, TestMainWindow,
                    TestAfaReport, TestAbout, TestSettingsPage, TestDrawnLook>(argc, argv);
}
