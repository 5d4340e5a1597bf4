// console_lines.cpp -- pieces of the converter's console lines.
#include "cli/console_lines.h"

#include "cli/cli_texts.h"
#include "cli/run_options.h"
#include "support/decimal.h"

void Say(ConsoleStream stream, const char* text) { WriteConsoleText(stream, text); }

void SayPath(ConsoleStream stream, const char* path) { WriteConsolePath(stream, path); }

void SayNumber(ConsoleStream stream, std::uint32_t value) {
    char digits[11];
    digits[UnsignedText(value, digits)] = '\0';
    WriteConsoleText(stream, digits);
}

int SayRefusal(const char* text, const char* path) {
    Say(kConsoleError, text);
    SayPath(kConsoleError, path);
    Say(kConsoleError, "\n");
    return kExitRefused;
}

int WrongCall(const char* problem, const char* path) {
    Say(kConsoleError, kProgramPrefix);
    SayRefusal(problem, path);
    Say(kConsoleError, kHelpHintText);
    return kExitUsage;
}

void SayCount(ConsoleStream stream, std::uint32_t value, const char* one, const char* many) {
    SayNumber(stream, value);
    Say(stream, value == 1 ? one : many);
}
