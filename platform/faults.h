// faults.h -- the point where tests make a file operation fail.
//
// Every public file operation asks FaultInjected first and fails at once,
// touching nothing, when it answers true. The programs link fault_none.cpp,
// which never does; the tests link a counting implementation.
#pragma once

enum FileOperation {
    kOperationOpen,
    kOperationCreate,
    kOperationRead,
    kOperationWrite,
    kOperationSeek,
    kOperationSize,
    kOperationClose,
    kOperationReplace,
    kOperationRemove,
    kOperationTruncate,
    kOperationFlush,
    kOperationLink,
    kOperationFolder,      // a folder made
    kOperationSystemCopy,  // failing, a copy goes through the buffer instead
};

bool FaultInjected(FileOperation operation);
