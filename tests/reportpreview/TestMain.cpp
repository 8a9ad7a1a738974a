#include "TestPreviewPaging.h"
#include "TestPreviewWindow.h"
#include "TestPreviewZoom.h"

#include <QApplication>
#include <TestMain.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return RunTests<TestPreviewPaging, TestPreviewZoom, TestPreviewWindow>(argc, argv);
}
