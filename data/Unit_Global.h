#pragma once
// TGlobal: the process-wide helper holder, created on the first Global() call and
// released at process end (after the windows and the data module) while the application
// object still exists: by ReleaseGlobal(), which the application object's destructor calls
// (without an application object, at static destruction). Members are created with the
// holder and freed with it, in reverse order. The painters (speed-button and page-control
// drawers, main-menu list) and the refresh helper belong to the window layer, which defines
// their accessors; they are created together at the first ask and freed with the holder.
#include "BlobStreamHelper.h"

#include <memory>

class TGlobalPainters;
class TPageControlDrawer;
class TRefreshForm;
class TSpeedButtonDrawer;
class TUserMainMenuList;

class TGlobal
{
public:
    TGlobal();
    ~TGlobal();
    TGlobal(const TGlobal &) = delete;
    TGlobal &operator=(const TGlobal &) = delete;

    std::unique_ptr<TBlobStreamHelper> BlobHelper;

    // Index 0 or 1; another index throws std::out_of_range.
    TRefreshForm &RefreshForm();
    TSpeedButtonDrawer &SpeedButtonDrawer(int index);
    TPageControlDrawer &PageControlDrawer(int index);
    TUserMainMenuList &MainMenuList();

    // Number of holders created in this process (1 once used; another only after a release).
    static int CreatedCount();

private:
    TGlobalPainters &Painters();
    // shared_ptr: the painters' type is complete only in the window layer
    std::shared_ptr<TGlobalPainters> m_painters;
};

TGlobal &Global();
// Frees the holder now; a later Global() creates a new one.
void ReleaseGlobal();
