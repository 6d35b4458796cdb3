// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmoran {

// The signals that ask a program to end while it can still tidy up: SIGTERM (a kill, the end
// of a desktop session) and SIGHUP (a logout, a closed terminal). Once caught, a program keeps
// what the player made and then ends by the same signal, as its parent expects.

// Catches both from now on. A system call waiting for input is interrupted (it does not start
// again), so that a program blocked on a read notices at once.
void catchStopSignals();
// The signal caught, or 0.
int caughtStopSignal();
// A descriptor that becomes readable when a signal is caught, for an event loop to watch.
int stopSignalDescriptor();
// Ends the program by `signal`, with the signal's default action.
[[noreturn]] void endBySignal(int signal);

}  // namespace velmoran
