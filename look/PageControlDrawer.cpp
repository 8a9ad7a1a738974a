#include "PageControlDrawer.h"

#include <QTabWidget>

TPageControlDrawer::TPageControlDrawer(QObject *parent) : QObject(parent) {}

TPageControlDrawer::~TPageControlDrawer() = default;

void TPageControlDrawer::Register(QTabWidget *pages, const QString &options)
{
    if (!pages || Item(pages))
        return;
    m_items.push_back(std::make_unique<TPageControlDrawItem>(pages, options, m_colors));
    connect(pages, &QObject::destroyed, this, &TPageControlDrawer::Forget);
}

void TPageControlDrawer::Register(const QList<QTabWidget *> &pages, const QStringList &options)
{
    for (qsizetype i = 0; i < pages.size(); ++i)
        Register(pages[i], options.value(i));
}

void TPageControlDrawer::Unregister(QTabWidget *pages)
{
    const auto found = std::find_if(m_items.begin(), m_items.end(), [pages](const auto &item) {
        return item->PageControl() == pages;
    });
    if (found == m_items.end())
        return;
    disconnect(pages, &QObject::destroyed, this, &TPageControlDrawer::Forget);
    m_items.erase(found);
}

void TPageControlDrawer::Unregister(const QList<QTabWidget *> &pages)
{
    for (QTabWidget *page : pages)
        Unregister(page);
}

void TPageControlDrawer::Forget(QObject *pages)
{
    // The control is half destroyed here: compare addresses only.
    std::erase_if(m_items, [pages](const auto &item) {
        if (item->Key() != pages)
            return false;
        item->Abandon();
        return true;
    });
}

void TPageControlDrawer::SetColor(int setting, const QColor &color)
{
    if (setting < 1 || setting > 7)
        return;
    m_colors[setting] = color;
    for (const auto &item : m_items)
        item->SetColors(m_colors);
}

TPageControlDrawItem *TPageControlDrawer::Item(const QTabWidget *pages) const
{
    for (const auto &item : m_items)
        if (item->Key() == pages)
            return item.get();
    return nullptr;
}
