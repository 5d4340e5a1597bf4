// platform_test.cpp -- recorded message boxes, a set clock and injected file faults.
#include "platform/test/platform_test.h"

#include <cstring>

#include "platform/console_box.h"
#include "platform/interrupts.h"
#include "platform/window.h"

namespace {

const int kMaxBoxes = 64;
const int kMaxAnswers = 16;
const LocalTime kDefaultClock = {2026, 12, 5, 9, 7, 3};

// Everything a test sets or reads, forgotten at once by ResetTestPlatform.
struct TestPlatform {
    RecordedBox boxes[kMaxBoxes];
    int boxCount;
    int answers[kMaxAnswers];
    int answerCount;
    int answerNext;
    LocalTime clock = kDefaultClock;
    std::uint32_t faultOrdinal;
    std::uint32_t faultMask;
    std::uint32_t alwaysMask;
    std::uint32_t operationsCounted;
    bool faultInjected;
    FileOperation faultKind;
    std::uint32_t changeOrdinal;
    std::uint32_t readsCounted;
    bool (*change)();
    bool changeMade;
    int repaints;
} test;

}  // namespace

void ResetTestPlatform() {
    test = TestPlatform();
}

void QueueAnswer(int answer) {
    if (test.answerCount < kMaxAnswers) test.answers[test.answerCount++] = answer;
}

int RecordedBoxCount() { return test.boxCount; }

const RecordedBox& RecordedBoxAt(int index) { return test.boxes[index]; }

int ShowMessageBox(WindowHandle, const char* text, const char*, std::uint32_t style) {
    int answer = test.answerNext < test.answerCount ? test.answers[test.answerNext++] : ConsoleAnswer(style);
    if (test.boxCount < kMaxBoxes) {
        RecordedBox& box = test.boxes[test.boxCount++];
        std::strncpy(box.text, text, sizeof box.text - 1);
        box.text[sizeof box.text - 1] = '\0';
        box.style = style;
    }
    return answer;
}

void RepaintWindow(WindowHandle) { ++test.repaints; }

int RepaintCount() { return test.repaints; }

void SetTestClock(const LocalTime& now) { test.clock = now; }

void ReadLocalTime(LocalTime* now) { *now = test.clock; }

void InjectFaultAt(std::uint32_t ordinal, std::uint32_t operationMask, std::uint32_t alwaysMask) {
    test.faultOrdinal = ordinal;
    test.faultMask = operationMask;
    test.alwaysMask = alwaysMask;
    test.operationsCounted = 0;
    test.faultInjected = false;
}

std::uint32_t CountedFileOperations() { return test.operationsCounted; }

bool FaultWasInjected(FileOperation* kind) {
    if (test.faultInjected) *kind = test.faultKind;
    return test.faultInjected;
}

void ChangeBeforeRead(std::uint32_t ordinal, bool (*change)()) {
    test.changeOrdinal = ordinal;
    test.change = change;
    test.readsCounted = 0;
}

bool ChangeWasMade() { return test.changeMade; }

bool FaultInjected(FileOperation operation) {
    if (operation == kOperationRead && ++test.readsCounted == test.changeOrdinal)
        test.changeMade = test.change();
    if ((test.alwaysMask & OperationBit(operation)) != 0) return true;
    if ((test.faultMask & OperationBit(operation)) == 0) return false;
    ++test.operationsCounted;
    if (test.operationsCounted != test.faultOrdinal) return false;
    test.faultInjected = true;
    test.faultKind = operation;
    return true;
}

// Interrupts are sent to the command-line converter by its own tests.
void WatchInterrupts() {}

bool InterruptRequested() { return false; }
