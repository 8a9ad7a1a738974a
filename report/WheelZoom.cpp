#include "WheelZoom.h"

#include <chrono>

TWheelZoom::TWheelZoom()
    : Ticks([] {
          using namespace std::chrono;
          return qint64(
              duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
      })
{
    Start();
}

void TWheelZoom::Start()
{
    m_last[0] = m_last[1] = Ticks();
}

bool TWheelZoom::Accept(TDirection direction)
{
    const qint64 now = Ticks();
    qint64 &last = m_last[direction == TDirection::In ? 0 : 1];
    if (now - last <= IntervalMs)
        return false;
    last = now;
    return true;
}
