#include "Renderer.h"

#include "RendererRegistry.h"

TRenderer::TRenderer()
{
    TRendererRegistry::Instance().Register(this);
}

TRenderer::~TRenderer()
{
    TRendererRegistry::Instance().Unregister(this);
}
