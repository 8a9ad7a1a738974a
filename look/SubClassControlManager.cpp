#include "SubClassControlManager.h"

#include <QApplication>
#include <QResizeEvent>

#include <algorithm>

TSubClassControlManager::TSubClassControlManager(TSubClassControl::TCallback callback)
    : m_callback(std::move(callback))
{
}

TSubClassControlManager::~TSubClassControlManager() = default;

void TSubClassControlManager::Add(QWidget *control)
{
    if (!control || Contains(control))
        return;
    m_items.push_back(std::make_unique<TSubClassControl>(control, m_callback));
    // A control destroyed while intercepted leaves the list by itself.
    connect(control, &QObject::destroyed, this, &TSubClassControlManager::Forget);
    // Let the control lay itself out again under the new handling.
    QResizeEvent resize(control->size(), control->size());
    QApplication::sendEvent(control, &resize);
}

void TSubClassControlManager::Remove(QWidget *control)
{
    const auto found = std::find_if(m_items.begin(), m_items.end(), [control](const auto &item) {
        return item->Control() == control;
    });
    if (found == m_items.end())
        return;
    disconnect(control, &QObject::destroyed, this, &TSubClassControlManager::Forget);
    m_items.erase(found);
}

void TSubClassControlManager::Forget(QObject *control)
{
    // The control is half destroyed here: compare addresses only.
    std::erase_if(m_items, [control](const auto &item) {
        if (item->Key() != control)
            return false;
        item->Abandon();
        return true;
    });
}

void TSubClassControlManager::SetCallback(TSubClassControl::TCallback callback)
{
    m_callback = std::move(callback);
    for (const auto &item : m_items)
        item->SetCallback(m_callback);
}

bool TSubClassControlManager::Contains(const QWidget *control) const
{
    return Find(control) != nullptr;
}

TSubClassControl *TSubClassControlManager::Find(const QWidget *control) const
{
    for (const auto &item : m_items)
        if (item->Key() == control)
            return item.get();
    return nullptr;
}
