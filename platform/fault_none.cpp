// fault_none.cpp -- the programs' fault point: no file operation is made to fail.
#include "platform/faults.h"

bool FaultInjected(FileOperation) { return false; }
