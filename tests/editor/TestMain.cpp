#include "TestFonts.h"
#include "TestRtfEditor.h"
#include "TestRtfEditorFiles.h"

#include "Application.h"

#include <TestMain.h>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    return RunTests<TestFonts, TestRtfEditor, TestRtfEditorFiles>(argc, argv);
}
