// wide_arguments_win32.cpp -- the converter's entry on Windows: its
// arguments taken as UTF-16 and handed on in the ANSI code page, exactly.
//
// The C runtime would hand main each argument in the ANSI code page with a
// character it cannot hold replaced by its nearest fit (ł as l): a name would
// then name another file, which may exist and be converted or replaced. The
// file calls resolve a relative name against the current directory in the
// ANSI code page as well. A name, or a current directory, that the ANSI code
// page cannot hold exactly is refused, naming it.
#include <windows.h>

#include <cstring>

#include "cli/cli_texts.h"
#include "cli/console_lines.h"
#include "cli/converter_main.h"
#include "platform/ansi_names_win32.h"
#include "support/app_state.h"

namespace {

// Room for the longest command line Windows passes, 32,767 characters, each
// argument ended by a zero byte.
char argumentText[32768 * 2];
char* arguments[32768];
char currentFolder[kPathSize];

}  // namespace

int wmain(int argc, wchar_t** wideArguments) {
    if (argc >= static_cast<int>(sizeof arguments / sizeof arguments[0]))
        return WrongCall(kTooManyTablesText);
    int used = 0;
    for (int i = 0; i < argc; ++i) {
        arguments[i] = argumentText + used;
        bool exact = false;
        int room = static_cast<int>(sizeof argumentText) - used;
        if (!AnsiName(wideArguments[i], arguments[i], room, &exact) || !exact)
            return SayRefusal(kNameOutsideCodePageText, arguments[i]);
        used += static_cast<int>(std::strlen(arguments[i])) + 1;
    }
    arguments[argc] = nullptr;
    return ConverterMain(argc, arguments);
}

// A folder too long for a path of the run leaves only full paths, which the
// run checks as it takes them.
int RefuseCurrentFolder() {
    wchar_t folder[kPathSize];
    DWORD length = GetCurrentDirectoryW(kPathSize, folder);
    bool exact = true;
    if (length > 0 && length < kPathSize && AnsiName(folder, currentFolder, kPathSize, &exact) && !exact)
        return SayRefusal(kFolderOutsideCodePageText, currentFolder);
    return 0;
}
