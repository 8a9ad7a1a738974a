#include "TestDbDateEdit.h"
#include "TestDbFieldControls.h"
#include "TestDbLookupComboBox.h"
#include "TestDbNavigator.h"
#include "TestErrorHandler.h"

#include "Application.h"

#include <TestMain.h>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    return RunTests<TestErrorHandler, TestDbNavigator, TestDbDateEdit, TestDbLookupComboBox,
                    TestDbFieldControls>(argc, argv);
}
