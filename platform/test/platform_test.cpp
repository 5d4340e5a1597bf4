// platform_test.cpp -- recorded message boxes, a set clock and injected file faults.
#include "platform/test/platform_test.h"

#include <cstring>

#include "platform/console_box.h"

namespace {

const int kMaxBoxes = 64;
const int kMaxAnswers = 16;

RecordedBox boxes[kMaxBoxes];
int boxCount = 0;
int answers[kMaxAnswers];
int answerCount = 0;
int answerNext = 0;

const LocalTime kDefaultClock = {2026, 12, 5, 9, 7, 3};
LocalTime testClock = kDefaultClock;

std::uint32_t faultOrdinal = 0;
std::uint32_t faultMask = 0;
std::uint32_t operationsCounted = 0;
bool faultInjected = false;
int repaints = 0;
FileOperation faultKind = kOperationOpen;

void CopyCut(char* dest, const char* src, std::size_t size) {
    std::strncpy(dest, src, size - 1);
    dest[size - 1] = '\0';
}

}  // namespace

void ResetTestPlatform() {
    boxCount = 0;
    answerCount = 0;
    answerNext = 0;
    testClock = kDefaultClock;
    faultOrdinal = 0;
    faultMask = 0;
    operationsCounted = 0;
    faultInjected = false;
    repaints = 0;
    SetConsoleAnswer(0);
}

void QueueAnswer(int answer) {
    if (answerCount < kMaxAnswers) answers[answerCount++] = answer;
}

int RecordedBoxCount() { return boxCount; }

const RecordedBox& RecordedBoxAt(int index) { return boxes[index]; }

int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, std::uint32_t style) {
    bool scripted = answerNext < answerCount;
    int answer = scripted ? answers[answerNext++] : ConsoleAnswer(style);
    if (boxCount < kMaxBoxes) {
        RecordedBox& box = boxes[boxCount++];
        box.owner = owner;
        CopyCut(box.text, text, sizeof box.text);
        box.hasCaption = caption != nullptr;
        CopyCut(box.caption, caption ? caption : "", sizeof box.caption);
        box.style = style;
        box.answer = answer;
        box.scripted = scripted;
    }
    return answer;
}

void RepaintWindow(WindowHandle) { ++repaints; }

int RepaintCount() { return repaints; }

void SetTestClock(const LocalTime& now) { testClock = now; }

void ReadLocalTime(LocalTime* now) { *now = testClock; }

void InjectFaultAt(std::uint32_t ordinal, std::uint32_t operationMask) {
    faultOrdinal = ordinal;
    faultMask = operationMask;
    operationsCounted = 0;
    faultInjected = false;
}

std::uint32_t CountedFileOperations() { return operationsCounted; }

bool FaultWasInjected(FileOperation* kind) {
    if (faultInjected) *kind = faultKind;
    return faultInjected;
}

bool FaultInjected(FileOperation operation) {
    if ((faultMask & OperationBit(operation)) == 0) return false;
    ++operationsCounted;
    if (operationsCounted != faultOrdinal) return false;
    faultInjected = true;
    faultKind = operation;
    return true;
}

// Interrupts are sent to the command-line converter by its own tests.
void WatchInterrupts() {}

bool InterruptRequested() { return false; }
