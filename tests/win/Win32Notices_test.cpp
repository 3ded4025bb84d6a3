#include "win32/Win32Notices.h"

#include <gtest/gtest.h>

#include <future>

#include "win32/Utf8.h"

namespace tarvon {
namespace {

// The message box's own control numbers.
constexpr int kBoxTextId = 0xFFFF;
constexpr int kBoxIconId = 0x0440;

// Pumps this thread's messages (an owner window lives here) until the box shows.
HWND AwaitBox(const std::wstring& caption) {
    for (int tries = 0; tries < 500; ++tries) {
        if (HWND box = FindWindowW(L"#32770", caption.c_str())) return box;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(20);
    }
    return nullptr;
}

std::wstring ControlText(HWND box, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(box, id, text, 512);
    return text;
}

TEST(Win32Notices, ShowsTheExactTextCaptionIconAndButtons) {
    struct Case {
        const char* caption;
        NoticeIcon icon;
        const wchar_t* systemIcon;  // nullptr: no icon shown
        NoticeButtons buttons;
        std::vector<int> buttonIds;
        int press;
        NoticeAnswer answer;
    };
    const Case cases[] = {
        {"Tarvon", NoticeIcon::Exclamation, IDI_EXCLAMATION, NoticeButtons::Ok, {IDOK}, IDOK, NoticeAnswer::Ok},
        {"Tarvon Error", NoticeIcon::Error, IDI_HAND, NoticeButtons::OkCancel, {IDOK, IDCANCEL}, IDCANCEL,
         NoticeAnswer::Cancel},
        {"Rotator Error", NoticeIcon::Question, IDI_QUESTION, NoticeButtons::YesNo, {IDYES, IDNO}, IDNO,
         NoticeAnswer::No},
        {"DSP Error", NoticeIcon::Information, IDI_ASTERISK, NoticeButtons::YesNoCancel,
         {IDYES, IDNO, IDCANCEL}, IDYES, NoticeAnswer::Yes},
        {"Kova", NoticeIcon::None, nullptr, NoticeButtons::Ok, {IDOK}, IDOK, NoticeAnswer::Ok},
    };
    const std::string text =
        "Error running program.  Tarvon was unable to find the program associated with this satellite, or "
        "there was an error while running it.";
    Win32Notices notices;
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    notices.SetOwner(owner);
    for (const Case& c : cases) {
        auto answer = std::async(std::launch::async, [&] { return notices.Show(text, c.caption, c.icon, c.buttons); });
        HWND box = AwaitBox(Widen(c.caption));
        ASSERT_NE(box, nullptr) << c.caption;
        EXPECT_EQ(ControlText(box, kBoxTextId), Widen(text)) << c.caption;
        EXPECT_EQ(GetWindow(box, GW_OWNER), owner) << c.caption;
        for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
            HWND button = GetDlgItem(box, id);
            bool shown = button && IsWindowVisible(button);
            bool wanted = std::find(c.buttonIds.begin(), c.buttonIds.end(), id) != c.buttonIds.end();
            EXPECT_EQ(shown, wanted) << c.caption << " button " << id;
        }
        HWND icon = GetDlgItem(box, kBoxIconId);
        if (c.systemIcon) {
            ASSERT_NE(icon, nullptr) << c.caption;
            EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)), LoadIconW(nullptr, c.systemIcon))
                << c.caption;
        } else {
            EXPECT_TRUE(!icon || !SendMessageW(icon, STM_GETICON, 0, 0)) << c.caption;
        }
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(c.press, BN_CLICKED), 0);
        while (answer.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        }
        EXPECT_EQ(answer.get(), c.answer) << c.caption;
    }
    DestroyWindow(owner);
}

TEST(Win32Notices, RedrawRequestsGoToTheRegisteredHandler) {
    Win32Notices notices;
    notices.RequestRedraw(RedrawTarget::MainWindow);  // nobody listens yet: dropped
    std::vector<RedrawTarget> seen;
    notices.SetRedrawHandler([&](RedrawTarget target) { seen.push_back(target); });
    notices.RequestRedraw(RedrawTarget::TrackingPane);
    notices.RequestRedraw(RedrawTarget::MapWindow);
    EXPECT_EQ(seen, (std::vector<RedrawTarget>{RedrawTarget::TrackingPane, RedrawTarget::MapWindow}));
}

}  // namespace
}  // namespace tarvon
