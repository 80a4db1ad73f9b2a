#pragma once
// The run time's tone: a sound of a frequency for a number of clock ticks.

namespace qvz::runtime {

// Plays nFrequency hertz for nTicks ticks of 1/18.2 second; returns when done.
void TONE(int nFrequency, double nTicks);

}  // namespace qvz::runtime
