#include "TestDamagedDatabase.h"
#include "TestFieldText.h"
#include "TestIndexSort.h"
#include "TestInsertGroups.h"
#include "TestMasterDetail.h"
#include "TestModelBinder.h"
#include "TestProcess.h"
#include "TestReportSettings.h"
#include "TestStores.h"

#include <TestMain.h>

int main(int argc, char **argv)
{
    const int child = RunDataChild(argc, argv);
    if (child >= 0)
        return child;
    QCoreApplication app(argc, argv);
    return RunTests<TestFieldText, TestIndexSort, TestStores, TestInsertGroups, TestMasterDetail,
                    TestReportSettings, TestModelBinder, TestProcess, TestDamagedDatabase>(argc,
                                                                                           argv);
}
