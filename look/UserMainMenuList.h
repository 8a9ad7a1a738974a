#pragma once
// TUserMainMenuList: owns one TUserMainMenu per registered menu bar; a menu stays registered
// until it is unregistered.
#include "UserMainMenu.h"

#include <memory>
#include <vector>

class TUserMainMenuList : public QObject
{
    Q_OBJECT
public:
    explicit TUserMainMenuList(QObject *parent = nullptr);
    ~TUserMainMenuList() override;

    void Register(const QList<QMenuBar *> &menus);
    void Unregister(const QList<QMenuBar *> &menus);

    TUserMainMenu *Painter(const QMenuBar *menu) const;
    int Count() const { return int(m_menus.size()); }

    // given to every menu registered afterwards
    TMenuColors Colors;

private:
    void Forget(QObject *menu);

    std::vector<std::unique_ptr<TUserMainMenu>> m_menus;
};
