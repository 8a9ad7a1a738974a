#pragma once
// TGlobal: the process-wide helper holder, created on the first Global() call and
// released at process end (after the windows and the data module) while the application
// object still exists: by ReleaseGlobal(), which the application object's destructor calls
// (without an application object, at static destruction). Members are created with the
// holder and freed with it, in reverse order. The window layer adds its painters
// (speed-button and page-control drawers, main-menu list) and the refresh helper here.
#include "BlobStreamHelper.h"

#include <memory>

class TGlobal
{
public:
    TGlobal();
    ~TGlobal();
    TGlobal(const TGlobal &) = delete;
    TGlobal &operator=(const TGlobal &) = delete;

    // RefreshForm: added with the windows.
    std::unique_ptr<TBlobStreamHelper> BlobHelper;
    // SpeedButtonDrawer(0..1), PageControlDrawer(0..1), MainMenuList: added with the painters.

    // Number of holders created in this process (1 once used; another only after a release).
    static int CreatedCount();
};

TGlobal &Global();
// Frees the holder now; a later Global() creates a new one.
void ReleaseGlobal();
