#include "TestMain.h"
#include "TestRtfLibreOffice.h"
#include "TestRtfReader.h"
#include "TestRtfRobustness.h"
#include "TestRtfRoundTrip.h"

#include <QApplication>

NORBEK_TEST_MAIN_GUI(TestRtfReader, TestRtfRoundTrip, TestRtfRobustness, TestRtfLibreOffice)
