#include "UserMainMenuList.h"

#include <QMenuBar>

TUserMainMenuList::TUserMainMenuList(QObject *parent) : QObject(parent) {}

TUserMainMenuList::~TUserMainMenuList() = default;

void TUserMainMenuList::Register(const QList<QMenuBar *> &menus)
{
    for (QMenuBar *menu : menus) {
        if (!menu || Painter(menu))
            continue;
        m_menus.push_back(std::make_unique<TUserMainMenu>(menu, Colors));
        connect(menu, &QObject::destroyed, this, &TUserMainMenuList::Forget);
    }
}

void TUserMainMenuList::Unregister(const QList<QMenuBar *> &menus)
{
    for (QMenuBar *menu : menus) {
        disconnect(menu, &QObject::destroyed, this, &TUserMainMenuList::Forget);
        std::erase_if(m_menus, [menu](const auto &painter) { return painter->Key() == menu; });
    }
}

void TUserMainMenuList::Forget(QObject *menu)
{
    // The menu bar is half destroyed here: compare addresses only.
    std::erase_if(m_menus, [menu](const auto &painter) {
        if (painter->Key() != menu)
            return false;
        painter->Abandon();
        return true;
    });
}

TUserMainMenu *TUserMainMenuList::Painter(const QMenuBar *menu) const
{
    for (const auto &painter : m_menus)
        if (painter->Key() == menu)
            return painter.get();
    return nullptr;
}
