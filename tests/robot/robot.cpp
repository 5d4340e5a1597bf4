// robot.cpp -- the robot's hands and eyes: finding windows of another
// process, reading them, pressing their buttons, looking at their pixels;
// and the walk along the steps of a road.
#include "robot.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring kelvorPath;     // kelvor.exe, or kelvor-convert.exe for the steps "console"
std::wstring folder;         // the road's folder, with its files and the log
std::wstring pictureFolder;  // empty: no pictures
FILE* logFile = nullptr;

// One started copy of kelvor.exe and the windows of it the road has met.
struct Program {
    PROCESS_INFORMATION process = {};
    HWND mainWindow = nullptr;
    HWND dialog = nullptr;  // its file dialog while open
    HWND box = nullptr;     // the message box seen last
};
Program programs[8];
int startedCount = 0;

// The log is UTF-8, one line per observation.
void Log(const std::wstring& line) {
    if (logFile == nullptr) logFile = _wfopen((folder + L"\\robot.log").c_str(), L"wb");
    if (logFile == nullptr) return;
    static char bytes[8192];
    int count = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes, sizeof bytes - 1, nullptr, nullptr);
    if (count > 0) {
        bytes[count - 1] = '\n';
        fwrite(bytes, 1, count, logFile);
        fflush(logFile);
    }
}

bool Running(const Program& program) {
    return WaitForSingleObject(program.process.hProcess, 0) == WAIT_TIMEOUT;
}

// A step that cannot be taken: the road stops, the programs it started end.
[[noreturn]] void Fail(const std::wstring& what) {
    Log(L"FAILED: " + what);
    for (int i = 0; i < startedCount; ++i) {
        if (Running(programs[i])) TerminateProcess(programs[i].process.hProcess, 99);
    }
    ExitProcess(1);
}

// Waits up to the step timeout for `condition`.
template <typename Condition>
bool WaitFor(Condition condition) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 15000;) {
        if (condition()) return true;
        Sleep(20);
    }
    return condition();
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[2048] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &length);
    return text;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

struct Search {
    DWORD process;  // 0: any process
    std::wstring className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
    Search* search = reinterpret_cast<Search*>(data);
    if ((search->process == 0 || ProcessOf(window) == search->process) && IsWindowVisible(window) &&
        ClassOf(window) == search->className) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> TopLevel(DWORD process, const std::wstring& className) {
    Search search{process, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> all;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

// A message box shows its text in the Static 0xFFFF, its icon in 0x440.
const int kBoxText = 0xFFFF, kBoxIcon = 0x440;

bool IsMessageBox(HWND window) { return GetDlgItem(window, kBoxText) != nullptr; }

// --- Copies of kelvor.exe ---

// Starts kelvor.exe in the road's folder, its standard handles on NUL.
Program& Start() {
    if (startedCount == 8) Fail(L"too many programs");
    Program& program = programs[startedCount++];
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    std::wstring commandLine = L"\"" + kelvorPath + L"\"";
    if (!CreateProcessW(kelvorPath.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                        folder.c_str(), &startup, &program.process)) {
        Fail(L"cannot start " + kelvorPath);
    }
    CloseHandle(nul);
    Log(L"copy " + std::to_wstring(startedCount) + L" started");
    return program;
}

int MainWindowCount(const Program& program) {
    return static_cast<int>(TopLevel(program.process.dwProcessId, L"Kelvor").size());
}

// Waits for the copy's main window (class "Kelvor") and keeps it.
void WaitMainWindow(Program& program) {
    if (program.mainWindow != nullptr) return;
    if (!WaitFor([&] { return MainWindowCount(program) == 1; })) Fail(L"no main window");
    program.mainWindow = TopLevel(program.process.dwProcessId, L"Kelvor")[0];
    Log(L"main window \"" + TextOf(program.mainWindow) + L"\"");
}

void ExpectExit0(const Program& program) {
    if (WaitForSingleObject(program.process.hProcess, 15000) != WAIT_OBJECT_0)
        Fail(L"the program did not end");
    DWORD code = 99;
    GetExitCodeProcess(program.process.hProcess, &code);
    Log(L"exit code " + std::to_wstring(code));
    if (code != 0) Fail(L"the exit code is not 0");
}

// A key with Alt held: bit 29 of the key data. The program's loop makes the
// character of it, and the menu bar finds the item with that letter.
void Alt(Program& program, wchar_t letter) {
    WaitMainWindow(program);
    LPARAM down = 1 | (MapVirtualKeyW(letter, MAPVK_VK_TO_VSC) << 16) | (1 << 29);
    PostMessageW(program.mainWindow, WM_SYSKEYDOWN, letter, down);
    PostMessageW(program.mainWindow, WM_SYSKEYUP, letter, down | (1u << 30) | (1u << 31));
    Log(std::wstring(L"Alt+") + letter);
}

// --- Boxes and dialogs ---

const wchar_t* const kButtons[] = {L"", L"OK", L"Cancel", L"Abort", L"Retry", L"Ignore", L"Yes", L"No"};

std::wstring ButtonName(int id) { return id > 0 && id < 8 ? kButtons[id] : std::to_wstring(id); }

int ButtonNamed(const std::wstring& name) {
    for (int id = 1; id < 8; ++id) {
        if (name == kButtons[id]) return id;
    }
    Fail(L"no button named " + name);
}

std::wstring Escaped(const std::wstring& text) {
    std::wstring shown;
    for (wchar_t c : text) shown += c == L'\r' ? L"\\r" : c == L'\n' ? L"\\n" : std::wstring(1, c);
    return shown;
}

// Waits for a message box of the process (0: of any process) and logs it:
// text, caption, buttons, whether it shows an icon and whose it is.
HWND WaitBox(DWORD process, HWND mainWindow) {
    HWND box = nullptr;
    if (!WaitFor([&] {
            for (HWND window : TopLevel(process, L"#32770")) {
                if (IsMessageBox(window)) box = window;
            }
            return box != nullptr;
        })) {
        Fail(L"no message box");
    }
    std::wstring line = L"box \"" + Escaped(TextOf(GetDlgItem(box, kBoxText))) + L"\" caption \"" +
                        Escaped(TextOf(box)) + L"\" buttons";
    for (HWND child : Descendants(box)) {
        if (ClassOf(child) == L"Button" && IsWindowVisible(child))
            line += L" " + ButtonName(GetDlgCtrlID(child));
    }
    DWORD_PTR icon = 0;
    SendMessageTimeoutW(GetDlgItem(box, kBoxIcon), STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &icon);
    line += icon != 0 ? L", icon" : L", no icon";
    HWND owner = GetWindow(box, GW_OWNER);
    line += owner == nullptr      ? L", no owner"
            : owner == mainWindow ? L", owned by the main window"
                                  : L", owned";
    Log(line);
    return box;
}

void PressWithoutWaiting(HWND window, int id) {
    if (GetDlgItem(window, id) == nullptr) Fail(L"no button " + ButtonName(id));
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    Log(L"pressed " + ButtonName(id));
}

void WaitGone(HWND window, const wchar_t* what) {
    if (!WaitFor([&] { return !IsWindow(window); })) Fail(std::wstring(what) + L" stayed");
}

// Presses a button of the copy's box, then waits until the box has gone, and
// the file dialog that asked it.
void PressInBox(Program& program, int id) {
    if (program.box == nullptr) Fail(L"no box seen");
    PressWithoutWaiting(program.box, id);
    WaitGone(program.box, L"the box");
    program.box = nullptr;
    if (program.dialog != nullptr) {
        WaitGone(program.dialog, L"the dialog");
        program.dialog = nullptr;
        Log(L"dialog closed");
    }
}

// Waits for the copy's file dialog and logs its title and file type.
HWND Dialog(Program& program) {
    if (program.dialog != nullptr) return program.dialog;
    if (!WaitFor([&] {
            for (HWND window : TopLevel(program.process.dwProcessId, L"#32770")) {
                if (!IsMessageBox(window)) program.dialog = window;
            }
            return program.dialog != nullptr;
        })) {
        Fail(L"no file dialog");
    }
    const int kFileType = 0x470;  // the dialog's combo box of file types
    Log(L"dialog \"" + TextOf(program.dialog) + L"\", file type \"" +
        TextOf(GetDlgItem(program.dialog, kFileType)) + L"\"");
    return program.dialog;
}

// The file name field is 0x47C: a ComboBoxEx32 holding a ComboBox holding an
// Edit, all three with that identifier.
void Type(Program& program, const std::wstring& name) {
    HWND field = nullptr;
    for (HWND child : Descendants(Dialog(program))) {
        if (GetDlgCtrlID(child) == 0x47C && ClassOf(child) == L"Edit") field = child;
    }
    if (field == nullptr) Fail(L"no file name field");
    std::wstring path = folder + L"\\" + name;
    SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    Log(L"typed " + name);
}

// After a button of the dialog: it closes, or it shows a box of its own.
void PressInDialog(Program& program, int id) {
    HWND dialog = Dialog(program);
    PressWithoutWaiting(dialog, id);
    bool boxShown = false;
    if (!WaitFor([&] {
            for (HWND window : TopLevel(program.process.dwProcessId, L"#32770")) {
                if (IsMessageBox(window)) boxShown = true;
            }
            return boxShown || !IsWindow(dialog);
        })) {
        Fail(L"the dialog neither closed nor asked");
    }
    if (boxShown) return;
    program.dialog = nullptr;
    Log(L"dialog closed");
}

BOOL CALLBACK FindTitled(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<std::pair<std::wstring, HWND>*>(data);
    if (IsWindowVisible(window) && TextOf(window).find(search->first) != std::wstring::npos)
        search->second = window;
    return TRUE;
}

void CloseViewer(const std::wstring& part) {
    std::pair<std::wstring, HWND> search(part, nullptr);
    if (!WaitFor([&] {
            EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
            return search.second != nullptr;
        })) {
        Fail(L"no window titled ..." + part + L"...");
    }
    Log(L"viewer \"" + TextOf(search.second) + L"\"");
    PostMessageW(search.second, WM_CLOSE, 0, 0);
    WaitGone(search.second, L"the viewer");
}

// --- The screen ---

// A rectangle of the screen as 32-bit pixels, rows from the top.
std::vector<unsigned> CaptureScreen(int left, int top, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    GdiFlush();
    std::vector<unsigned> pixels(static_cast<unsigned*>(bits), static_cast<unsigned*>(bits) + width * height);
    // The fourth byte is not a colour: Wine leaves alpha there where it drew
    // an icon with an alpha channel, which picture viewers would honour.
    for (unsigned& pixel : pixels) pixel &= 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A distance of the step list at the screen's resolution; laid out at 96 dpi.
int Scaled(int distance) {
    static int dpi = GetDeviceCaps(GetDC(nullptr), LOGPIXELSY);
    return MulDiv(distance, dpi, 96);
}

// Whether anything is drawn in a rectangle of the client area.
bool Drawn(const Program& program, RECT area) {
    POINT origin = {Scaled(area.left), Scaled(area.top)};
    ClientToScreen(program.mainWindow, &origin);
    std::vector<unsigned> pixels = CaptureScreen(origin.x, origin.y, Scaled(area.right) - Scaled(area.left),
                                                 Scaled(area.bottom) - Scaled(area.top));
    for (unsigned pixel : pixels) {
        if (pixel != pixels[0]) return true;
    }
    return false;
}

// What the step list shows: the four markers, then the three displays.
std::wstring StepList(const Program& program) {
    std::wstring markers, displays;
    for (int step = 0; step < 4; ++step) {
        int y = 190 + 60 * step;
        markers += Drawn(program, {50, y, 66, y + 16}) ? L'>' : L' ';
        if (step < 3) displays += Drawn(program, {100, y + 20, 740, y + 36}) ? L'x' : L'-';
    }
    return markers + L"/" + displays;
}

void See(Program& program, const std::wstring& wanted) {
    WaitMainWindow(program);
    std::wstring shown;
    if (!WaitFor([&] {
            shown = StepList(program);
            return shown == wanted;
        }) ||
        !Running(program) || MainWindowCount(program) != 1) {
        Fail(L"the step list shows \"" + shown + L"\", not \"" + wanted + L"\"");
    }
    Log(L"step list \"" + shown + L"\"");
}

// A 32-bit bitmap file of a rectangle of the screen, rows from the top.
void SavePicture(int left, int top, int width, int height, const std::wstring& name) {
    if (pictureFolder.empty()) return;
    std::vector<unsigned> pixels = CaptureScreen(left, top, width, height);
    BITMAPINFOHEADER header = {sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof file + sizeof header};
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
    FILE* out = _wfopen((pictureFolder + L"\\" + name + L".bmp").c_str(), L"wb");
    if (out == nullptr) Fail(L"cannot write the picture " + name);
    fwrite(&file, sizeof file, 1, out);
    fwrite(&header, sizeof header, 1, out);
    fwrite(pixels.data(), 4, pixels.size(), out);
    fclose(out);
}

void SaveScreenPicture(const std::wstring& name) {
    // A window that has just opened paints its controls once its program is
    // idle, and reaches the screen a moment later.
    for (int i = 0; i < startedCount; ++i) {
        if (Running(programs[i])) WaitForInputIdle(programs[i].process.hProcess, 5000);
    }
    Sleep(250);
    SavePicture(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), name);
}

void SaveWindowPicture(Program& program, const std::wstring& name) {
    WaitMainWindow(program);
    RECT frame;
    GetWindowRect(program.mainWindow, &frame);
    SavePicture(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, name);
}

// Runs the converter with `arguments` in a console of the robot's own, as
// from a command prompt, and notes what the console's screen shows then,
// line by line, and its exit code.
void RunInConsole(const std::wstring& arguments) {
    FreeConsole();
    if (!AllocConsole()) Fail(L"no console");
    HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION converter = {};
    std::wstring commandLine = L"\"" + kelvorPath + L"\" " + arguments;
    if (!CreateProcessW(kelvorPath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &converter)) {
        Fail(L"cannot start " + kelvorPath);
    }
    if (WaitForSingleObject(converter.hProcess, 30000) != WAIT_OBJECT_0) Fail(L"the converter does not end");
    DWORD code = 0;
    GetExitCodeProcess(converter.hProcess, &code);
    CONSOLE_SCREEN_BUFFER_INFO shown = {};
    GetConsoleScreenBufferInfo(screen, &shown);
    for (SHORT y = 0; y <= shown.dwCursorPosition.Y; ++y) {
        std::wstring line(static_cast<size_t>(shown.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen, &line[0], static_cast<DWORD>(line.size()), {0, y}, &read);
        line.erase(line.find_last_not_of(L' ') + 1);
        if (!line.empty()) Log(L"console: " + line);
    }
    Log(L"exit code " + std::to_wstring(code));
    CloseHandle(screen);
    FreeConsole();
}

// --- The walk ---

void Take(const std::wstring& verb, const std::wstring& argument, Program*& program) {
    if (verb == L"start") {
        program = &Start();
        return;
    }
    if (verb == L"console") {
        RunInConsole(argument);
        return;
    }
    if (verb == L"use") {
        int number = _wtoi(argument.c_str());
        if (number < 1 || number > startedCount) Fail(L"no copy " + argument);
        program = &programs[number - 1];
        Log(L"copy " + argument);
        return;
    }
    if (program == nullptr) Fail(L"no copy started");
    if (verb == L"see") {
        See(*program, argument);
    } else if (verb == L"alt") {
        Alt(*program, argument[0]);
    } else if (verb == L"close") {
        WaitMainWindow(*program);
        PostMessageW(program->mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
        Log(L"close box");
    } else if (verb == L"type") {
        Type(*program, argument);
    } else if (verb == L"ok" || verb == L"cancel") {
        PressInDialog(*program, verb == L"ok" ? IDOK : IDCANCEL);
    } else if (verb == L"box") {
        program->box = WaitBox(program->process.dwProcessId, program->mainWindow);
        if (!argument.empty()) PressInBox(*program, ButtonNamed(argument));
    } else if (verb == L"press") {
        PressInBox(*program, ButtonNamed(argument));
    } else if (verb == L"other-box") {
        HWND box = WaitBox(0, nullptr);
        HWND last = nullptr;
        for (HWND child : Descendants(box)) {
            if (ClassOf(child) == L"Button" && IsWindowVisible(child)) last = child;
        }
        if (last == nullptr) Fail(L"the box has no button");
        PressWithoutWaiting(box, GetDlgCtrlID(last));
    } else if (verb == L"viewer") {
        CloseViewer(argument);
    } else if (verb == L"exit") {
        ExpectExit0(*program);
    } else if (verb == L"shrink") {
        // As small as it lets itself be made: what its client area holds then.
        WaitMainWindow(*program);
        SetWindowPos(program->mainWindow, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client;
        GetClientRect(program->mainWindow, &client);
        Log(L"shrunk: client area " + std::to_wstring(client.right) + L" x " +
            std::to_wstring(client.bottom));
    } else if (verb == L"screen") {
        SaveScreenPicture(argument);
    } else if (verb == L"picture") {
        SaveWindowPicture(*program, argument);
    } else {
        Fail(L"no step " + verb);
    }
}

void Walk(const std::wstring& steps) {
    Program* program = nullptr;
    for (size_t begin = 0; begin <= steps.size();) {
        size_t end = steps.find(L'|', begin);
        if (end == std::wstring::npos) end = steps.size();
        std::wstring step = steps.substr(begin, end - begin);
        size_t blank = step.find(L' ');
        Take(step.substr(0, blank), blank == std::wstring::npos ? L"" : step.substr(blank + 1), program);
        begin = end + 1;
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fwprintf(stderr, L"usage: robot.exe ROAD KELVOR_EXE FOLDER [PICTURES]\n");
        return 2;
    }
    kelvorPath = argv[2];
    folder = argv[3];
    if (argc > 4) pictureFolder = argv[4];
    for (const Road& road : kRoads) {
        if (road.name != std::wstring(argv[1])) continue;
        Log(L"road " + std::wstring(road.name));
        Walk(road.steps);
        Log(L"passed");
        return 0;
    }
    Fail(L"no road " + std::wstring(argv[1]));
}
