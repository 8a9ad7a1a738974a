#pragma once
// SIGTERM and SIGINT as a request to stop: the first one only notes its number and the run
// stops at its next check; a second one ends the process at once.
namespace StopSignals
{

void Install();
// The default actions again.
void Restore();
// Number of the first signal received, 0 while none came.
int Received();

} // namespace StopSignals
