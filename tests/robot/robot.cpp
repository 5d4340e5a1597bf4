// robot.cpp -- the robot's hands and eyes: finding windows of another
// process, reading them, pressing their buttons, looking at their pixels.
#include "robot.h"

#include <cstdio>

std::wstring kelvorPath;
std::wstring folder;

namespace {

std::vector<Program*> started;
FILE* logFile = nullptr;

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
    DWORD process;
    std::wstring className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
    Search* search = reinterpret_cast<Search*>(data);
    bool anyProcess = search->process == 0;
    if ((anyProcess || ProcessOf(window) == search->process) && IsWindowVisible(window) &&
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

// A message box shows its text in the Static 0xFFFF.
bool IsMessageBox(HWND window) { return GetDlgItem(window, 0xFFFF) != nullptr; }

struct Children {
    std::vector<HWND> all;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
    reinterpret_cast<Children*>(data)->all.push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
    Children children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children.all;
}

std::wstring Describe(const Box& box) {
    std::wstring buttons;
    for (int id : box.buttons) buttons += L" " + std::to_wstring(id);
    return L"\"" + box.text + L"\" caption \"" + box.caption + L"\" buttons" + buttons;
}

}  // namespace

// The log is UTF-8, one line per step.
void Log(const std::wstring& line) {
    if (logFile == nullptr) logFile = _wfopen((folder + L"\\robot.log").c_str(), L"ab");
    if (logFile == nullptr) return;
    static char bytes[8192];
    int count = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes, sizeof bytes - 1, nullptr, nullptr);
    if (count > 0) {
        bytes[count - 1] = '\n';
        fwrite(bytes, 1, count, logFile);
        fflush(logFile);
    }
}

void Fail(const std::wstring& what) {
    Log(L"FAILED: " + what);
    for (Program* program : started) {
        if (Running(*program)) TerminateProcess(program->process.hProcess, 99);
    }
    ExitProcess(1);
}

Program& Start() {
    static Program programs[8];
    static int count = 0;
    if (count == 8) Fail(L"too many programs");
    Program& program = programs[count++];
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
    started.push_back(&program);
    Log(L"started kelvor.exe, process " + std::to_wstring(program.process.dwProcessId));
    return program;
}

bool Running(const Program& program) {
    return WaitForSingleObject(program.process.hProcess, 0) == WAIT_TIMEOUT;
}

int MainWindowCount(const Program& program) {
    return static_cast<int>(TopLevel(program.process.dwProcessId, L"Kelvor").size());
}

void WaitMainWindow(Program& program) {
    if (!WaitFor([&] { return MainWindowCount(program) == 1; })) Fail(L"no main window");
    program.mainWindow = TopLevel(program.process.dwProcessId, L"Kelvor")[0];
    std::wstring title = TextOf(program.mainWindow);
    if (title != L"Konvertieren dBase -IV und -V zu dBase III") Fail(L"main window title " + title);
}

void ExpectExit0(Program& program) {
    if (WaitForSingleObject(program.process.hProcess, 15000) != WAIT_OBJECT_0)
        Fail(L"the program did not end");
    DWORD code = 99;
    GetExitCodeProcess(program.process.hProcess, &code);
    if (code != 0) Fail(L"exit code " + std::to_wstring(code));
    Log(L"ended with exit code 0");
}

void Command(const Program& program, int identifier) {
    // The underlined letter of each item of the menu bar.
    const struct {
        int identifier;
        wchar_t letter;
    } kLetters[] = {{5001, L'E'}, {5002, L'A'}, {5003, L'O'}, {5004, L'S'},
                    {5005, L'I'}, {5007, L'N'}, {5009, L'H'}};
    for (const auto& item : kLetters) {
        if (item.identifier != identifier) continue;
        Log(L"menu command " + std::to_wstring(identifier) + L": Alt+" + item.letter);
        // A key with Alt held: bit 29 of the key data. The program's loop
        // makes the character of it, and the menu bar finds its item.
        LPARAM down = 1 | (MapVirtualKeyW(item.letter, MAPVK_VK_TO_VSC) << 16) | (1 << 29);
        PostMessageW(program.mainWindow, WM_SYSKEYDOWN, item.letter, down);
        PostMessageW(program.mainWindow, WM_SYSKEYUP, item.letter, down | (1u << 30) | (1u << 31));
        return;
    }
    Fail(L"no menu item " + std::to_wstring(identifier));
}

Box WaitBox(const Program& program) { return WaitBoxOf(program.process.dwProcessId); }

Box WaitBoxOf(DWORD process) {
    HWND found = nullptr;
    bool seen = WaitFor([&] {
        for (HWND window : TopLevel(process, L"#32770")) {
            if (IsMessageBox(window)) found = window;
        }
        return found != nullptr;
    });
    if (!seen) Fail(L"no message box");
    Box box{found, TextOf(GetDlgItem(found, 0xFFFF)), TextOf(found), {}, GetDlgItem(found, 0x440) != nullptr};
    for (HWND child : Descendants(found)) {
        if (ClassOf(child) == L"Button" && IsWindowVisible(child)) box.buttons.push_back(GetDlgCtrlID(child));
    }
    Log(L"box " + Describe(box));
    return box;
}

Box ExpectBox(const Program& program, const std::wstring& text, const std::wstring& caption,
              const std::vector<int>& buttons) {
    Box box = WaitBox(program);
    Box wanted{nullptr, text, caption, buttons, box.icon};
    if (box.text != text || box.caption != caption || box.buttons != buttons) {
        Fail(L"expected the box " + Describe(wanted) + L", saw " + Describe(box));
    }
    return box;
}

BOOL CALLBACK FindTitled(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<std::pair<std::wstring, HWND>*>(data);
    if (IsWindowVisible(window) && TextOf(window).find(search->first) != std::wstring::npos)
        search->second = window;
    return TRUE;
}

HWND WaitWindowTitled(const std::wstring& part) {
    std::pair<std::wstring, HWND> search(part, nullptr);
    if (!WaitFor([&] {
            EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
            return search.second != nullptr;
        })) {
        Fail(L"no window titled ..." + part + L"...");
    }
    Log(L"window " + TextOf(search.second));
    return search.second;
}

void PressWithoutWaiting(HWND window, int identifier) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(identifier, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, identifier)));
}

void Press(HWND window, int identifier) {
    PressWithoutWaiting(window, identifier);
    if (!WaitFor([&] { return !IsWindow(window); }))
        Fail(L"the window stayed after button " + std::to_wstring(identifier));
}

HWND WaitDialog(const Program& program, const std::wstring& title) {
    HWND found = nullptr;
    bool seen = WaitFor([&] {
        for (HWND window : TopLevel(program.process.dwProcessId, L"#32770")) {
            if (!IsMessageBox(window) && TextOf(window) == title) found = window;
        }
        return found != nullptr;
    });
    if (!seen) Fail(L"no dialog " + title);
    Log(L"dialog " + title);
    return found;
}

// The file name field is 0x47C: a ComboBoxEx32 holding a ComboBox holding an
// Edit, all three with that identifier.
void TypeFileName(HWND dialog, const std::wstring& path) {
    HWND field = nullptr;
    for (HWND child : Descendants(dialog)) {
        if (GetDlgCtrlID(child) == 0x47C && ClassOf(child) == L"Edit") field = child;
    }
    if (field == nullptr) Fail(L"no file name field");
    SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    Log(L"typed " + path);
}

bool WaitDialogClosedOrBox(const Program& program, HWND dialog, Box* box) {
    bool boxShown = false;
    bool settled = WaitFor([&] {
        for (HWND window : TopLevel(program.process.dwProcessId, L"#32770")) {
            if (IsMessageBox(window)) boxShown = true;
        }
        return boxShown || !IsWindow(dialog);
    });
    if (!settled) Fail(L"the dialog neither closed nor asked");
    if (!boxShown) return true;
    *box = WaitBox(program);
    return false;
}

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

std::vector<unsigned> CaptureClient(const Program& program, RECT area) {
    POINT origin = {area.left, area.top};
    ClientToScreen(program.mainWindow, &origin);
    return CaptureScreen(origin.x, origin.y, area.right - area.left, area.bottom - area.top);
}

void WaitClient(const Program& program, RECT area, const std::vector<unsigned>& pixels, bool equal,
                const std::wstring& what) {
    if (!WaitFor([&] { return (CaptureClient(program, area) == pixels) == equal; })) Fail(what);
    Log(L"seen: " + what);
}

namespace {

// A 32-bit bitmap file of a rectangle of the screen, rows from the top.
void SavePicture(int left, int top, int width, int height, const std::wstring& path) {
    std::vector<unsigned> pixels = CaptureScreen(left, top, width, height);
    BITMAPINFOHEADER header = {sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof file + sizeof header};
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) Fail(L"cannot write " + path);
    fwrite(&file, sizeof file, 1, out);
    fwrite(&header, sizeof header, 1, out);
    fwrite(pixels.data(), 4, pixels.size(), out);
    fclose(out);
    Log(L"picture " + path);
}

}  // namespace

void SaveWindowPicture(const Program& program, const std::wstring& path) {
    RECT frame;
    GetWindowRect(program.mainWindow, &frame);
    SavePicture(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, path);
}

void SaveScreenPicture(const std::wstring& path) {
    // A window that has just opened paints its controls once its program is
    // idle, and reaches the screen a moment later.
    for (Program* program : started) {
        if (Running(*program)) WaitForInputIdle(program->process.hProcess, 5000);
    }
    Sleep(250);
    SavePicture(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), path);
}
