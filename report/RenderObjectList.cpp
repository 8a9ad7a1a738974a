#include "RenderObjectList.h"

#include "Renderer.h"
#include "RendererRegistry.h"

void TRenderObjectList::Build()
{
    m_items.clear();
    for (TRenderer *renderer : TRendererRegistry::Instance().Renderers()) {
        if (renderer->Active && renderer->IsPdf()) {
            m_items.append(renderer);
            break;
        }
    }
}

TRenderer *TRenderObjectList::ItemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index] : nullptr;
}

bool TRenderObjectList::IsPdf(const TRenderer *item)
{
    return item && item->IsPdf();
}

QStringList TRenderObjectList::GetFilter() const
{
    QStringList filters;
    for (const TRenderer *item : m_items)
        filters << item->DisplayName() + u'|' + item->FileExtension();
    filters << SnapshotFilter();
    return filters;
}

QStringList TRenderObjectList::DialogFilters() const
{
    QStringList filters;
    for (const QString &entry : GetFilter()) {
        const QString name = entry.section(u'|', 0, 0);
        const QString patterns = entry.section(u'|', 1).replace(u';', u' ');
        filters << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    return filters;
}
