#pragma once
// TPageControlDrawer: draws the tabs of its registered page controls in its seven colours.
#include "PageControlDrawItem.h"

#include <QList>
#include <QObject>

#include <memory>
#include <vector>

class QTabWidget;

class TPageControlDrawer : public QObject
{
    Q_OBJECT
public:
    explicit TPageControlDrawer(QObject *parent = nullptr);
    ~TPageControlDrawer() override;

    // A page control already registered is ignored.
    void Register(QTabWidget *pages, const QString &options);
    void Register(const QList<QTabWidget *> &pages, const QStringList &options);
    void Unregister(QTabWidget *pages);
    void Unregister(const QList<QTabWidget *> &pages);

    // setting 1 to 7; applies to every registered page control
    void SetColor(int setting, const QColor &color);
    const TPageControlColors &Colors() const { return m_colors; }

    TPageControlDrawItem *Item(const QTabWidget *pages) const;
    int Count() const { return int(m_items.size()); }

private:
    void Forget(QObject *pages);

    TPageControlColors m_colors;
    std::vector<std::unique_ptr<TPageControlDrawItem>> m_items;
};
