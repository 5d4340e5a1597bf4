// The window program in-process under Wine, for what the robot cannot see
// from outside: where each text of the step list lies at each resolution, and
// the main window's answer to a change of resolution.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "app/main_window.h"
#include "app/step_list.h"
#include "platform/test/platform_test.h"
#include "support/app_state.h"

namespace {

// The cell of every text a metafile draws, measured in the font the
// metafile selected before it (the context's default font when none).
struct Reader {
    HDC measure = CreateCompatibleDC(nullptr);
    std::vector<RECT> cells;
};

int CALLBACK ReadText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    Reader& reader = *reinterpret_cast<Reader*>(data);
    if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
        LOGFONTW font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont;
        DeleteObject(SelectObject(reader.measure, CreateFontIndirectW(&font)));
    } else if (record->iType == EMR_EXTTEXTOUTW) {
        const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
        SIZE size = {};
        GetTextExtentPoint32W(
            reader.measure,
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text.offString),
            static_cast<int>(text.nChars), &size);
        const POINTL& at = text.ptlReference;
        reader.cells.push_back({at.x, at.y, at.x + size.cx, at.y + size.cy});
    }
    return 1;
}

// At each resolution the twelve texts, with both paths at full width, keep
// apart, descenders included, are as high as the system font there and stay
// inside the client area of the window the layout was made for (760 x 530
// at 96 dpi), scaled.
TEST(StepList, AtEachResolutionEachTextHasAPlaceOfItsOwnInTheWindow) {
    appState = AppState();
    std::memset(appState.steps.inputDisplay, 'g', sizeof appState.steps.inputDisplay);
    std::memset(appState.steps.outputDisplay, 'g', sizeof appState.steps.outputDisplay);
    for (int dpi : {96, 120, 144, 192}) {
        HDC metafile = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
        DrawStepList(metafile, dpi);
        HENHMETAFILE drawn = CloseEnhMetaFile(metafile);
        Reader reader;
        EnumEnhMetaFile(nullptr, drawn, ReadText, &reader, nullptr);
        DeleteEnhMetaFile(drawn);
        DeleteObject(SelectObject(reader.measure, GetStockObject(SYSTEM_FONT)));
        DeleteDC(reader.measure);
        ASSERT_EQ(reader.cells.size(), 12u) << dpi;
        const RECT client = {0, 0, 760 * dpi / 96, 530 * dpi / 96};
        for (size_t i = 0; i < 12; ++i) {
            const RECT& cell = reader.cells[i];
            RECT common;
            EXPECT_GE(cell.bottom - cell.top, 16 * dpi / 96 - 1) << dpi << " dpi, text " << i;
            EXPECT_TRUE(IntersectRect(&common, &cell, &client) && EqualRect(&common, &cell))
                << dpi << " " << i;
            for (size_t j = i + 1; j < 12; ++j) {
                EXPECT_FALSE(IntersectRect(&common, &cell, &reader.cells[j])) << dpi << " " << i << " " << j;
            }
        }
    }
}

// Moved to a monitor of another resolution, the window takes the place the
// system suggests and is painted anew.
TEST(MainWindow, AChangedResolutionMovesTheWindowToTheSuggestedPlace) {
    ResetTestPlatform();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KelvorTest";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "KelvorTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    RECT suggested = {20, 30, 1000, 730}, now;  // larger than the least the content needs
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(window, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    EXPECT_EQ(RepaintCount(), 1);
    DestroyWindow(window);
}

}  // namespace
