#include "TestMainMenuPainter.h"
#include "TestPageControlDrawer.h"
#include "TestSpeedButtonDrawer.h"

#include <QApplication>
#include <TestMain.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return RunTests<TestSpeedButtonDrawer, TestPageControlDrawer, TestMainMenuPainter>(argc, argv);
}
