#include "TestErrorHandler.h"
#include "TestIntroPage.h"

#include "Application.h"

#include <TestMain.h>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    return RunTests<TestErrorHandler, TestIntroPage>(argc, argv);
}
