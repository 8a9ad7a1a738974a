#include "TestCupsPrint.h"
#include "TestPrintSnapshot.h"
#include "TestSaveSnapshot.h"
#include "TestSetupDialog.h"

#include "ScratchCups.h"

#include <QApplication>
#include <TestMain.h>

int main(int argc, char **argv)
{
    // CUPS reads its server once, so the scratch scheduler's socket is named before anything
    // asks for printers.
    ScratchCups::PrepareEnvironment(argc, argv);
    QApplication app(argc, argv);
    return RunTests<TestSetupDialog, TestPrintSnapshot, TestSaveSnapshot, TestCupsPrint>(argc,
                                                                                         argv);
}
