// The window program in-process under Wine: its resources, the painted step
// list, the dispatch of MainWindowProc, the single-instance guard and the
// file dialog record. Message boxes are the test implementation's.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "app/shell_records.h"
#include "app/start_up.h"
#include "app/step_list.h"
#include "app/window_dpi.h"
#include "kelvor_version.h"
#include "platform/test/platform_test.h"
#include "support/app_state.h"

namespace {

const WORD kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

class Shell : public ::testing::Test {
protected:
    void SetUp() override {
        ResetTestPlatform();
        appState = AppState();
        appState.instance = GetModuleHandleA(nullptr);
    }
};

TEST_F(Shell, TheMenuBarHoldsSevenPlainGermanItems) {
    ASSERT_NE(FindResourceExA(nullptr, MAKEINTRESOURCEA(4) /* RT_MENU */, MAKEINTRESOURCEA(102), kGerman),
              nullptr);
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(102));
    ASSERT_NE(menu, nullptr);
    const std::pair<UINT, std::string> items[] = {
        {5001, "&Eingabedatei wählen  "},
        {5002, "&Ausgabedatei bestimmen  "},
        {5003, "&Optionen  "},
        {5004, "Ausführung &starten  "},
        {5005, "  &Info  "},
        {5007, "  E&nde  "},
        {5009, "       &Hilfe"},
    };
    ASSERT_EQ(GetMenuItemCount(menu), 7);
    for (int i = 0; i < 7; ++i) {
        char text[64] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(GetMenuItemID(menu, i), items[i].first) << i;
        EXPECT_EQ(std::string(text), items[i].second) << i;  // Windows-1252, blanks and access letter
        EXPECT_EQ(GetSubMenu(menu, i), nullptr) << i;
        EXPECT_EQ(
            GetMenuState(menu, i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR), 0u)
            << i;
    }
    DestroyMenu(menu);
}

struct DrawnText {
    int x;
    int y;
    std::wstring text;
    RECT cell = {};  // measured in the font the text was drawn with
    bool operator==(const DrawnText& other) const {
        return x == other.x && y == other.y && text == other.text;
    }
};

// Reads the texts of a metafile and measures each in the font the metafile
// selected before it (the default font when none).
struct Reader {
    std::vector<DrawnText> texts;
    HDC measure = CreateCompatibleDC(nullptr);
    HFONT font = nullptr;
};

int CALLBACK ReadText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    Reader& reader = *reinterpret_cast<Reader*>(data);
    if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
        reader.font =
            CreateFontIndirectW(&reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont);
        DeleteObject(SelectObject(reader.measure, reader.font));
    } else if (record->iType == EMR_EXTTEXTOUTW) {
        const EMREXTTEXTOUTW* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        std::wstring text(
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + out->emrtext.offString),
            out->emrtext.nChars);
        POINTL at = out->emrtext.ptlReference;
        SIZE size = {};
        GetTextExtentPoint32W(reader.measure, text.c_str(), static_cast<int>(text.size()), &size);
        reader.texts.push_back({at.x, at.y, text, {at.x, at.y, at.x + size.cx, at.y + size.cy}});
    }
    return 1;
}

std::vector<DrawnText> Paint(UINT dpi = 96) {
    HDC metafile = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    DrawStepList(metafile, dpi);
    HENHMETAFILE drawn = CloseEnhMetaFile(metafile);
    Reader reader;
    EnumEnhMetaFile(nullptr, drawn, ReadText, &reader, nullptr);
    DeleteEnhMetaFile(drawn);
    DeleteDC(reader.measure);
    if (reader.font != nullptr) DeleteObject(reader.font);
    return reader.texts;
}

TEST_F(Shell, TheStepListIsTwelveTextsAtTheirPlaces) {
    const std::wstring blanks(80, L' ');
    const std::vector<DrawnText> atStart = {
        {150, 150, L"Folgende Schritte sind auszuführen:"},
        {50, 190, L">"},
        {70, 190, L"1. Eingabedatei wählen"},
        {100, 210, blanks},
        {50, 250, L">"},
        {70, 250, L"2. Ausgabedatei bestimmen"},
        {100, 270, blanks},
        {50, 310, L">"},
        {70, 310, L"3. Optionen"},
        {100, 330, L"nein"},
        {50, 370, L">"},
        {70, 370, L"4. Ausführung starten"},
    };
    EXPECT_EQ(Paint(), atStart);

    std::strcpy(appState.inputPath, "C:\\Daten\\kunden.dbf");
    std::memcpy(appState.steps.inputDisplay, "C:\\Daten\\kunden.dbf", 19);
    appState.steps.marker1 = ' ';
    std::vector<DrawnText> chosen = atStart;
    chosen[1].text = L" ";
    chosen[3].text = L"C:\\Daten\\kunden.dbf" + std::wstring(61, L' ');
    EXPECT_EQ(Paint(), chosen);
}

// At each resolution the texts keep apart, descenders included, and stay
// inside the client area of the window the layout was made for (768 x 576 at
// 96 dpi, its client area 760 x 530), scaled.
TEST_F(Shell, AtEachResolutionNoTextTouchesAnother) {
    std::memset(appState.steps.inputDisplay, 'g', 80);
    std::memset(appState.steps.outputDisplay, 'g', 80);
    for (UINT dpi : {96u, 120u, 144u, 192u}) {
        std::vector<DrawnText> texts = Paint(dpi);
        ASSERT_EQ(texts.size(), 12u);
        RECT client = {0, 0, ScaleToDpi(760, dpi), ScaleToDpi(530, dpi)};
        for (size_t i = 0; i < texts.size(); ++i) {
            const RECT& bounds = texts[i].cell;
            EXPECT_GE(bounds.bottom - bounds.top, ScaleToDpi(16, dpi) - 1) << dpi << " " << i;
            RECT common;
            EXPECT_TRUE(IntersectRect(&common, &bounds, &client) && EqualRect(&common, &bounds))
                << dpi << " " << i;
            for (size_t j = i + 1; j < texts.size(); ++j) {
                EXPECT_FALSE(IntersectRect(&common, &bounds, &texts[j].cell)) << dpi << " " << i << " " << j;
            }
        }
    }
}

class Window : public Shell {
protected:
    void SetUp() override {
        Shell::SetUp();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = MainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "KelvorTest";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "KelvorTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }  // the quit of WM_DESTROY
    }
    LRESULT Send(WPARAM command) { return SendMessageA(window, WM_COMMAND, command, 0); }
    static bool QuitPosted() {
        MSG message;
        return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
    }
    HWND window = nullptr;
};

TEST_F(Window, TheOptionCommandAsksAndSetsTheOptionEitherWay) {
    QueueAnswer(kAnswerYes);
    EXPECT_EQ(Send(5003), 0);
    ASSERT_EQ(RecordedBoxCount(), 1);
    const RecordedBox& box = RecordedBoxAt(0);
    EXPECT_STREQ(box.text, "Soll eine OEMToANSI - Konvertierung erfolgen?");
    EXPECT_STREQ(box.caption, "Konvertieren dBase -IV und -V zu dBase III");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.style, 4u);
    EXPECT_EQ(appState.oemToAnsi, 1);
    EXPECT_EQ(appState.steps.marker3, ' ');
    EXPECT_EQ(appState.mainWindow, window);
    QueueAnswer(kAnswerNo);
    Send(MAKEWPARAM(5003, 1));  // the notification code does not count
    EXPECT_EQ(appState.oemToAnsi, 0);
    EXPECT_EQ(std::string(appState.steps.optionDisplay, 4), "nein");
    EXPECT_EQ(appState.steps.marker3, ' ');
    EXPECT_EQ(RepaintCount(), 2);
}

TEST_F(Window, AnUnknownCommandGoesToTheDefaultProcedure) {
    AppState before = appState;
    EXPECT_EQ(Send(4711), 0);
    EXPECT_EQ(Send(5006), 0);
    EXPECT_EQ(RecordedBoxCount(), 0);
    EXPECT_FALSE(QuitPosted());
    EXPECT_EQ(std::memcmp(&before.steps, &appState.steps, sizeof before.steps), 0);
}

TEST_F(Window, InfoEndAndAFailedStart) {
    Send(5005);
    ASSERT_EQ(RecordedBoxCount(), 1);
    EXPECT_STREQ(RecordedBoxAt(0).caption, " Programm Info");
    EXPECT_EQ(RecordedBoxAt(0).style, 0u);
    std::string info = RecordedBoxAt(0).text;
    const std::string firstLine = "Kelvor   " KELVOR_VERSION " \n";
    EXPECT_EQ(info.substr(0, firstLine.size()), firstLine);
    EXPECT_NE(info.find("\n\n"), std::string::npos);
    EXPECT_NE(info.back(), '\0');
    EXPECT_FALSE(QuitPosted());

    Send(5004);  // nothing chosen: the run refuses and the program goes on
    ASSERT_EQ(RecordedBoxCount(), 2);
    EXPECT_STREQ(RecordedBoxAt(1).text, " es wurde keine Eingabedatei angegeben");
    EXPECT_EQ(RecordedBoxAt(1).owner, window);
    EXPECT_FALSE(QuitPosted());
    EXPECT_EQ(appState.steps.marker4, '>');

    Send(5007);
    EXPECT_TRUE(QuitPosted());
}

TEST_F(Window, AChangedResolutionMovesTheWindowToTheSuggestedPlace) {
    RECT suggested = {20, 30, 620, 480};
    EXPECT_EQ(SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested)),
              0);
    RECT now;
    GetWindowRect(window, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    EXPECT_EQ(RepaintCount(), 1);
}

TEST_F(Window, TheGuardAsksWhileAWindowOfTheClassExists) {
    EXPECT_EQ(GuardSingleInstance(), 1);  // no copy runs: no question
    EXPECT_EQ(RecordedBoxCount(), 0);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Kelvor";
    RegisterClassA(&windowClass);
    HWND other = CreateWindowExA(0, "Kelvor", "", 0, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    QueueAnswer(kAnswerRetry);
    QueueAnswer(kAnswerRetry);
    QueueAnswer(kAnswerAbort);
    EXPECT_EQ(GuardSingleInstance(), 0);
    ASSERT_EQ(RecordedBoxCount(), 3);
    EXPECT_STREQ(RecordedBoxAt(0).text, "Eine Kopie dieses Programms läuft bereits");
    EXPECT_STREQ(RecordedBoxAt(0).caption, "Konvertieren dBase -IV und -V zu dBase III");
    EXPECT_EQ(RecordedBoxAt(0).style, 2u);
    EXPECT_EQ(RecordedBoxAt(0).owner, nullptr);
    QueueAnswer(kAnswerIgnore);
    EXPECT_EQ(GuardSingleInstance(), 1);
    DestroyWindow(other);
    UnregisterClassA("Kelvor", GetModuleHandleA(nullptr));
}

TEST_F(Shell, TheFileDialogRecordIsThePlatformsOwnSize) {
    std::memset(&shell.fileDialog, 0xEE, sizeof shell.fileDialog);
    PrepareFileDialog();
    const OPENFILENAMEA& dialog = shell.fileDialog;
    EXPECT_EQ(dialog.lStructSize, 136u);  // OPENFILENAME_SIZE_VERSION_400A on x86_64; 76 would fail
    EXPECT_EQ(std::string(dialog.lpstrFilter, 19), std::string("DBF Dateien\0*.dbf\0\0", 19));
    EXPECT_EQ(dialog.nMaxFile, 256u);
    EXPECT_STREQ(dialog.lpstrDefExt, "*.dbf");
    EXPECT_EQ(dialog.lpstrInitialDir, nullptr);
    EXPECT_EQ(dialog.Flags, 0u);  // cleared: each command sets its own
}

}  // namespace
