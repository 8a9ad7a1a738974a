#include "TestBinderMapping.h"
#include "TestDamagedDatabase.h"
#include "TestFieldText.h"
#include "TestGridSortItems.h"
#include "TestGridSorter.h"
#include "TestIndexSort.h"
#include "TestInsertGroups.h"
#include "TestMasterDetail.h"
#include "TestModelBinder.h"
#include "TestOpenFailures.h"
#include "TestProcess.h"
#include "TestReportSettings.h"
#include "TestStoreModel.h"
#include "TestStores.h"

#include <QApplication>
#include <TestMain.h>

int main(int argc, char **argv)
{
    const int child = RunDataChild(argc, argv);
    if (child >= 0)
        return child;
    QApplication app(argc, argv); // the view tests need widgets
    return RunTests<TestFieldText, TestIndexSort, TestStores, TestInsertGroups, TestMasterDetail,
                    TestReportSettings, TestModelBinder, TestStoreModel, TestBinderMapping,
                    TestProcess, TestDamagedDatabase, TestOpenFailures, TestGridSortItems,
                    TestGridSorter>(argc, argv);
}
