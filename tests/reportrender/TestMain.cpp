#include "TestMain.h"
#include "TestPageRenderer.h"
#include "TestPageSelection.h"
#include "TestPdfRenderer.h"
#include "TestPrinterRenderer.h"
#include "TestSnapshotPainter.h"
#include "TestSnapshotStream.h"

NORBEK_TEST_MAIN_GUI(TestSnapshotStream, TestSnapshotPainter, TestPageRenderer, TestPageSelection,
                     TestPdfRenderer, TestPrinterRenderer)
