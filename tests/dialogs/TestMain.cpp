#include "TestColorDialog.h"
#include "TestSearchDialog.h"
#include "TestTextSearch.h"

#include "Application.h"

#include <TestMain.h>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    return RunTests<TestTextSearch, TestSearchDialog, TestColorDialog>(argc, argv);
}
