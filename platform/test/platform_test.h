// platform_test.h -- the test implementation of the platform layer: message
// boxes that are recorded and answered from a script, a clock the test sets,
// and file operations that fail on command. The files themselves are real.
#pragma once

#include <cstdint>

#include "platform/faults.h"
#include "platform/clock.h"

// What the conversion asked of a box; the robot sees the rest in the real
// window program.
struct RecordedBox {
    char text[1024];
    std::uint32_t style;
};

// Forgets every recorded box, queued answer and injected fault, and sets the
// clock back to 5 December 2026, 09:07:03.
void ResetTestPlatform();

// Queues the answer of the next box shown; boxes without a queued answer take
// their default button.
void QueueAnswer(int answer);

int RecordedBoxCount();
const RecordedBox& RecordedBoxAt(int index);

// The number of repaints asked for since the last reset.
int RepaintCount();

void SetTestClock(const LocalTime& now);

// Bit of a FileOperation in an operation mask.
inline std::uint32_t OperationBit(FileOperation operation) { return 1u << operation; }

// Every file operation whose kind is in the mask is counted, from 1 on. The
// one numbered `ordinal` fails (0: none fails), and so does every one whose
// kind is in `alwaysMask`.
void InjectFaultAt(std::uint32_t ordinal, std::uint32_t operationMask, std::uint32_t alwaysMask = 0);
std::uint32_t CountedFileOperations();
// The kind of the operation that was made to fail; valid once it has.
bool FaultWasInjected(FileOperation* kind);

// Before the read numbered `ordinal` (0: none), counted apart from the faults,
// `change` runs, as another program that writes an input meanwhile; it tells
// whether the system let it.
void ChangeBeforeRead(std::uint32_t ordinal, bool (*change)());
bool ChangeWasMade();
