#pragma once
// The live renderers of the program in the order they were created. GUI thread only.
#include <QList>

class TRenderer;

class TRendererRegistry
{
public:
    static TRendererRegistry &Instance();

    const QList<TRenderer *> &Renderers() const { return m_renderers; }
    // Called by TRenderer's constructor and destructor.
    void Register(TRenderer *renderer);
    void Unregister(TRenderer *renderer);

private:
    QList<TRenderer *> m_renderers;
};
