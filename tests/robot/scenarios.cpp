// scenarios.cpp -- robot.exe SCENARIO KELVOR_EXE FOLDER [PICTURES]: the roads a
// user takes through kelvor.exe, each checked step by step. Exit code 0 when
// every step went as expected; the steps are logged to FOLDER\robot.log. With
// PICTURES, the whole road leaves a picture of the screen at every step there,
// and one of the main window before the start, main-window.bmp.
#include <cstdio>
#include <string>

#include "robot.h"

namespace {

const int kChooseInput = 5001, kChooseOutput = 5002, kOptions = 5003, kStart = 5004, kInfo = 5005,
          kEnd = 5007, kHelp = 5009;

const std::wstring kTitle = L"Konvertieren dBase -IV und -V zu dBase III";
const std::wstring kInfoCaption = L" Programm Info";
const std::wstring kClosing = L"--- Konvertierung wurde beendet ---";
// A box without a caption gets the system's default title.
const std::wstring kDefaultCaption = L"Fehler";
std::wstring pictureFolder;

void Picture(const wchar_t* name) {
    if (!pictureFolder.empty() && name != nullptr) SaveScreenPicture(pictureFolder + L"\\" + name + L".bmp");
}

// A distance of the step list at the screen's resolution; laid out at 96 dpi.
int Scaled(int distance) {
    static int dpi = GetDeviceCaps(GetDC(nullptr), LOGPIXELSY);
    return MulDiv(distance, dpi, 96);
}

// Client-area rectangles of the step list: a marker and the display below a step.
RECT Marker(int step) { return {Scaled(50), Scaled(190 + 60 * step), Scaled(66), Scaled(206 + 60 * step)}; }
RECT Display(int step) {
    return {Scaled(100), Scaled(210 + 60 * step), Scaled(740), Scaled(226 + 60 * step)};
}

void ExpectClosingBoxAndExit(Program& program) {
    Box box = ExpectBox(program, kClosing, kInfoCaption, {IDOK});
    Press(box.window, IDOK);
    ExpectExit0(program);
}

void End(Program& program) {
    Command(program, kEnd);
    ExpectClosingBoxAndExit(program);
}

// The step list has been painted once a marker shows something.
std::vector<unsigned> PaintedMarker(Program& program, int step) {
    std::vector<unsigned> marker;
    bool painted = WaitFor([&] {
        marker = CaptureClient(program, Marker(step));
        for (unsigned pixel : marker) {
            if (pixel != marker[0]) return true;
        }
        return false;
    });
    if (!painted) Fail(L"the step list was not painted");
    return marker;
}

void Choose(Program& program, int command, const std::wstring& title, const std::wstring& name,
            const wchar_t* picture) {
    Command(program, command);
    HWND dialog = WaitDialog(program, title);
    TypeFileName(dialog, name);
    Picture(picture);
    PressWithoutWaiting(dialog, IDOK);
    Box box;
    if (WaitDialogClosedOrBox(program, dialog, &box)) return;
    // Only an existing output file may make the dialog ask, whether to replace it.
    if (command != kChooseOutput || box.buttons != std::vector<int>{IDYES, IDNO}) Fail(L"the dialog refused");
    Press(box.window, IDYES);
    if (!WaitFor([&] { return !IsWindow(dialog); })) Fail(L"the dialog stayed");
}

void ChooseInput(Program& program, const std::wstring& name, const wchar_t* picture = nullptr) {
    Choose(program, kChooseInput, L"Öffne Eingabedatei", folder + L"\\" + name, picture);
}

void ChooseOutput(Program& program, const std::wstring& name, const wchar_t* picture = nullptr) {
    Choose(program, kChooseOutput, L"Bestimme Ausgabedatei", folder + L"\\" + name, picture);
}

void ExpectRefusal(Program& program, const std::wstring& text) {
    Command(program, kStart);
    Box box = ExpectBox(program, text, kDefaultCaption, {IDOK});
    if (!box.icon) Fail(L"the box shows no icon");
    Press(box.window, IDOK);
    if (!Running(program) || MainWindowCount(program) != 1) Fail(L"the window went");
}

// Input, output (typed without extension), option Yes, start: the closing box.
void WholeRoad() {
    Program& program = Start();
    WaitMainWindow(program);
    std::vector<unsigned> marker[4];
    for (int step = 0; step < 4; ++step) marker[step] = PaintedMarker(program, step);
    Picture(L"1-start");
    ChooseInput(program, L"kunden.dbf", L"2-input-dialog");
    WaitClient(program, Marker(0), marker[0], false, L"marker 1 cleared");
    Picture(L"3-input-chosen");
    ChooseOutput(program, L"neu", L"4-output-dialog");
    WaitClient(program, Marker(1), marker[1], false, L"marker 2 cleared");
    Picture(L"5-output-chosen");
    Command(program, kOptions);
    Box question =
        ExpectBox(program, L"Soll eine OEMToANSI - Konvertierung erfolgen?", kTitle, {IDYES, IDNO});
    Picture(L"6-option-question");
    Press(question.window, IDYES);
    WaitClient(program, Marker(2), marker[2], false, L"marker 3 cleared");
    Picture(L"7-option-answered");
    if (!pictureFolder.empty()) SaveWindowPicture(program, pictureFolder + L"\\main-window.bmp");
    Command(program, kStart);
    Box closing = ExpectBox(program, kClosing, kInfoCaption, {IDOK});
    Picture(L"8-closing-box");
    Press(closing.window, IDOK);
    ExpectExit0(program);
}

// Every message on the way to a conversion of a table without its memo file.
void Messages() {
    Program& program = Start();
    WaitMainWindow(program);
    ExpectRefusal(program, L" es wurde keine Eingabedatei angegeben");
    ChooseInput(program, L"kunden.dbf");
    ExpectRefusal(program, L" es wurde keine Ausgabedatei angegeben");
    ChooseOutput(program, L"kunden.dbf");  // asks whether to replace it
    ExpectRefusal(program, L"Eingabe- und Ausgabedatei dürfen nicht gleich sein");
    ChooseInput(program, L"ohne.dbf");
    ChooseOutput(program, L"neu.dbf");
    const std::wstring question =
        L"Die zugehörige Memodatei wurde nicht gefunden\r\nSollen die Memotexte ignoriert werden?";
    Command(program, kStart);
    Box box = ExpectBox(program, question, kDefaultCaption, {IDYES, IDNO});
    Press(box.window, IDNO);
    if (!Running(program) || MainWindowCount(program) != 1) Fail(L"the window went after No");
    Command(program, kStart);
    box = ExpectBox(program, question, kDefaultCaption, {IDYES, IDNO});
    Press(box.window, IDYES);
    ExpectClosingBoxAndExit(program);
}

// A cancelled input dialog after a choice: the marker comes back, the display
// is blank, and a start finds no input.
void CancelledDialog() {
    Program& program = Start();
    WaitMainWindow(program);
    std::vector<unsigned> marker = PaintedMarker(program, 0);
    std::vector<unsigned> blank = CaptureClient(program, Display(0));
    ChooseInput(program, L"kunden.dbf");
    WaitClient(program, Marker(0), marker, false, L"marker 1 cleared");
    WaitClient(program, Display(0), blank, false, L"the path under step 1");
    Command(program, kChooseInput);
    HWND dialog = WaitDialog(program, L"Öffne Eingabedatei");
    Press(dialog, IDCANCEL);
    WaitClient(program, Marker(0), marker, true, L"marker 1 back");
    WaitClient(program, Display(0), blank, true, L"display 1 blank");
    ExpectRefusal(program, L" es wurde keine Eingabedatei angegeben");
    End(program);
}

Box ExpectGuardQuestion(const Program& program) {
    return ExpectBox(program, L"Eine Kopie dieses Programms läuft bereits", kTitle,
                     {IDABORT, IDRETRY, IDIGNORE});
}

void GuardAbort() {
    Program& first = Start();
    WaitMainWindow(first);
    Program& second = Start();
    Box box = ExpectGuardQuestion(second);
    Press(box.window, IDABORT);
    ExpectClosingBoxAndExit(second);  // the closing box came without a window
    End(first);
}

void GuardRetry() {
    Program& first = Start();
    WaitMainWindow(first);
    Program& second = Start();
    Box box = ExpectGuardQuestion(second);
    Press(box.window, IDRETRY);
    box = ExpectGuardQuestion(second);  // still running: again
    End(first);
    Press(box.window, IDRETRY);
    WaitMainWindow(second);
    End(second);
}

void GuardIgnore() {
    Program& first = Start();
    WaitMainWindow(first);
    Program& second = Start();
    Box box = ExpectGuardQuestion(second);
    Press(box.window, IDIGNORE);
    WaitMainWindow(second);
    Program& third = Start();  // finds either window and asks again
    box = ExpectGuardQuestion(third);
    Press(box.window, IDABORT);
    ExpectClosingBoxAndExit(third);
    End(second);
    End(first);
}

void CloseBox() {
    Program& program = Start();
    WaitMainWindow(program);
    PostMessageW(program.mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
    ExpectClosingBoxAndExit(program);
}

void EndCommand() {
    Program& program = Start();
    WaitMainWindow(program);
    End(program);
}

void Info() {
    Program& program = Start();
    WaitMainWindow(program);
    Command(program, kInfo);
    Box box = WaitBox(program);
    if (box.caption != kInfoCaption || box.buttons != std::vector<int>{IDOK} ||
        box.text.rfind(L"Kelvor   ", 0) != 0 || box.text.find(L"\n\n") == std::wstring::npos) {
        Fail(L"the information box");
    }
    Press(box.window, IDOK);
    End(program);
}

// Help without a help file: the guide beside the program opens in the
// system's viewer for text, and the program goes on.
void HelpOpensGuide() {
    Program& program = Start();
    WaitMainWindow(program);
    Command(program, kHelp);
    HWND viewer = WaitWindowTitled(L"LIESMICH");
    PostMessageW(viewer, WM_CLOSE, 0, 0);
    if (!WaitFor([&] { return !IsWindow(viewer); })) Fail(L"the viewer stayed");
    End(program);
}

// Help without the guide either: the system's help viewer is asked for
// "Kelvor.hlp", which is not there; the viewer says so in a box of its own,
// and the program goes on.
void HelpWithoutGuide() {
    Program& program = Start();
    WaitMainWindow(program);
    Command(program, kHelp);
    Box box = WaitBoxOf(0);
    if (box.text.find(L"Kelvor.hlp") == std::wstring::npos)
        Fail(L"the help viewer did not look for Kelvor.hlp");
    PressWithoutWaiting(box.window, box.buttons.back());
    End(program);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fwprintf(stderr, L"usage: robot.exe SCENARIO KELVOR_EXE FOLDER [PICTURES]\n");
        return 2;
    }
    std::wstring scenario = argv[1];
    kelvorPath = argv[2];
    folder = argv[3];
    if (argc > 4) pictureFolder = argv[4];
    Log(L"scenario " + scenario);
    const struct {
        const wchar_t* name;
        void (*run)();
    } kScenarios[] = {
        {L"road", WholeRoad},
        {L"messages", Messages},
        {L"cancel", CancelledDialog},
        {L"guard-abort", GuardAbort},
        {L"guard-retry", GuardRetry},
        {L"guard-ignore", GuardIgnore},
        {L"close-box", CloseBox},
        {L"end", EndCommand},
        {L"info", Info},
        {L"help", HelpOpensGuide},
        {L"help-without-guide", HelpWithoutGuide},
    };
    bool known = false;
    for (const auto& entry : kScenarios) {
        if (scenario == entry.name) {
            entry.run();
            known = true;
        }
    }
    if (!known) Fail(L"unknown scenario " + scenario);
    Log(L"passed");
    return 0;
}
