#pragma once
// Zooming by mouse wheel: one step per direction at most every IntervalMs. Each direction has
// a timer of its own, so a turn the other way right after a step still zooms.
#include <QtGlobal>
#include <functional>

class TWheelZoom
{
public:
    enum class TDirection { In, Out };
    static constexpr qint64 IntervalMs = 100;

    TWheelZoom();
    // Milliseconds of a steady clock; tests put their own clock here.
    std::function<qint64()> Ticks;

    // Both timers at the current time.
    void Start();
    // True when more than IntervalMs passed since the last step in that direction; the
    // step then counts from now.
    bool Accept(TDirection direction);

private:
    qint64 m_last[2] = {0, 0};
};
