#include "GlobalPainters.h"

#include "Unit_Global.h"

#include <stdexcept>

TGlobalPainters::TGlobalPainters()
{
    for (auto &drawer : SpeedButtonDrawers)
        drawer = std::make_unique<TSpeedButtonDrawer>();
    SpeedButtonDrawers[0]->SetColor(1, QColor(0xE0, 0xEE, 0xFE));
    SpeedButtonDrawers[0]->SetColor(3, QColor(0xC0, 0xC0, 0xC0));
    SpeedButtonDrawers[0]->SetColor(4, QColor(0xE0, 0xEE, 0xFE));

    for (auto &drawer : PageControlDrawers)
        drawer = std::make_unique<TPageControlDrawer>();
    const QColor main[7] = {{0xE0, 0xEE, 0xFE}, {0xCF, 0xD8, 0xDE}, {0x10, 0x69, 0x7B}, {0, 0, 0},
                            {0x00, 0x00, 0x80}, {0x10, 0x69, 0x7B}, {0, 0, 0}};
    const QColor sub[7] = {{0xCF, 0xD8, 0xDE}, {0xDE, 0xDE, 0xDE}, {0x87, 0x9E, 0xAD}, {0, 0, 0},
                           {0x00, 0x00, 0x80}, {0x80, 0x80, 0x80}, {0, 0, 0}};
    for (int setting = 1; setting <= 7; ++setting) {
        PageControlDrawers[0]->SetColor(setting, main[setting - 1]);
        PageControlDrawers[1]->SetColor(setting, sub[setting - 1]);
    }

    MainMenuList = std::make_unique<TUserMainMenuList>();
    MainMenuList->Colors.Gutter = QColor(0xDE, 0xDE, 0xDE);
    MainMenuList->Colors.Selection = QColor(0x10, 0x69, 0x7B);
}

TGlobalPainters::~TGlobalPainters() = default;

namespace
{
void CheckIndex(int index)
{
    if (index < 0 || index > 1)
        throw std::out_of_range("painter index outside 0 and 1");
}
} // namespace

TGlobalPainters &TGlobal::Painters()
{
    if (!m_painters)
        m_painters = std::make_shared<TGlobalPainters>();
    return *m_painters;
}

TRefreshForm &TGlobal::RefreshForm()
{
    return Painters().RefreshForm;
}

TSpeedButtonDrawer &TGlobal::SpeedButtonDrawer(int index)
{
    CheckIndex(index);
    return *Painters().SpeedButtonDrawers[std::size_t(index)];
}

TPageControlDrawer &TGlobal::PageControlDrawer(int index)
{
    CheckIndex(index);
    return *Painters().PageControlDrawers[std::size_t(index)];
}

TUserMainMenuList &TGlobal::MainMenuList()
{
    return *Painters().MainMenuList;
}
