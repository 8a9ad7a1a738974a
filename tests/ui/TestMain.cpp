#include "TestDbGrid.h"
#include "TestErrorHandler.h"
#include "TestIntroPage.h"
#include "TestMainWindow.h"

#include "Application.h"

#include <TestMain.h>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    return RunTests<TestErrorHandler, TestDbGrid, TestIntroPage, TestMainWindow>(argc, argv);
}
