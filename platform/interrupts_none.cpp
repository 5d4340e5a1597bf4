// interrupts_none.cpp -- the window program's interrupts: it is ended by its
// own commands, never interrupted.
#include "platform/interrupts.h"

void WatchInterrupts() {}

bool InterruptRequested() { return false; }
