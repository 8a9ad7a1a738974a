#include "TestMain.h"
NORBEK_TEST_MAIN_CORE()
