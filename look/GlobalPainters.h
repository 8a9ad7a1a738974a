#pragma once
// TGlobalPainters: the painters the process-wide holder hands out, created together the first
// time any of them is asked for and configured with the program's colours.
#include "PageControlDrawer.h"
#include "RefreshForm.h"
#include "SpeedButtonDrawer.h"
#include "UserMainMenuList.h"

#include <array>
#include <memory>

class TGlobalPainters
{
public:
    TGlobalPainters();
    ~TGlobalPainters();

    TRefreshForm RefreshForm;
    std::array<std::unique_ptr<TSpeedButtonDrawer>, 2> SpeedButtonDrawers;
    std::array<std::unique_ptr<TPageControlDrawer>, 2> PageControlDrawers;
    std::unique_ptr<TUserMainMenuList> MainMenuList;
};
