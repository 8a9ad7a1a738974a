#pragma once
// TSubClassControlManager: at most one interception per control, all with one callback.
#include "SubClassControl.h"

#include <memory>
#include <vector>

class TSubClassControlManager : public QObject
{
    Q_OBJECT
public:
    explicit TSubClassControlManager(TSubClassControl::TCallback callback = {});
    ~TSubClassControlManager() override;

    // Adding a control already in the list changes nothing.
    void Add(QWidget *control);
    void Remove(QWidget *control);
    void SetCallback(TSubClassControl::TCallback callback);

    bool Contains(const QWidget *control) const;
    TSubClassControl *Find(const QWidget *control) const;
    int Count() const { return int(m_items.size()); }

private:
    void Forget(QObject *control);

    TSubClassControl::TCallback m_callback;
    std::vector<std::unique_ptr<TSubClassControl>> m_items;
};
