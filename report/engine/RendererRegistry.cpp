#include "RendererRegistry.h"

TRendererRegistry &TRendererRegistry::Instance()
{
    static TRendererRegistry registry;
    return registry;
}

void TRendererRegistry::Register(TRenderer *renderer)
{
    if (renderer && !m_renderers.contains(renderer))
        m_renderers.append(renderer);
}

void TRendererRegistry::Unregister(TRenderer *renderer)
{
    m_renderers.removeOne(renderer);
}
