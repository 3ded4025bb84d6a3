#include "win32/Win32Notices.h"

#include <gtest/gtest.h>

#include <future>

#include "win32/Utf8.h"

namespace tarvon {
namespace {

// The message box's own control numbers.
constexpr int kBoxTextId = 0xFFFF;
constexpr int kBoxIconId = 0x0440;

constexpr UINT kNoticeMessage = WM_APP + 1;
constexpr UINT kRedrawMessage = WM_APP + 2;

// Waits, on a thread without windows, for a box with this caption.
HWND AwaitBox(const std::wstring& caption) {
    for (int tries = 0; tries < 500; ++tries) {
        if (HWND box = FindWindowW(L"#32770", caption.c_str())) return box;
        Sleep(20);
    }
    return nullptr;
}

// How many of `message` wait in this thread's queue for `window`; takes them.
int TakePosted(HWND window, UINT message) {
    int count = 0;
    MSG m;
    while (PeekMessageW(&m, window, message, message, PM_REMOVE)) ++count;
    return count;
}

std::wstring ControlText(HWND box, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(box, id, text, 512);
    return text;
}

// Notices attached to a window of this, the test's, thread.
class Win32NoticesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(owner, nullptr);
        notices.Attach(owner, kNoticeMessage, kRedrawMessage);
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    Win32Notices notices;
};

TEST_F(Win32NoticesTest, ShowsTheExactTextCaptionIconAndButtons) {
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
    for (const Case& c : cases) {
        // The box is modal on this, the owner's, thread (a question at once,
        // a plain notice when the window takes the queue); another thread
        // reads and presses it.
        auto seen = std::async(std::launch::async, [&] {
            std::vector<std::string> problems;
            HWND box = AwaitBox(Widen(c.caption));
            if (!box) return std::vector<std::string>{"no box"};
            if (ControlText(box, kBoxTextId) != Widen(text)) problems.push_back("text");
            if (GetWindow(box, GW_OWNER) != owner) problems.push_back("owner");
            for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
                HWND button = GetDlgItem(box, id);
                bool shown = button && IsWindowVisible(button);
                bool wanted = std::find(c.buttonIds.begin(), c.buttonIds.end(), id) != c.buttonIds.end();
                if (shown != wanted) problems.push_back("button " + std::to_string(id));
            }
            HWND icon = GetDlgItem(box, kBoxIconId);
            HICON shownIcon = icon ? reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)) : nullptr;
            if (shownIcon != (c.systemIcon ? LoadIconW(nullptr, c.systemIcon) : nullptr)) problems.push_back("icon");
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(c.press, BN_CLICKED), 0);
            return problems;
        });
        const NoticeAnswer answer = notices.Show(text, c.caption, c.icon, c.buttons);
        if (c.buttons == NoticeButtons::Ok) {
            EXPECT_EQ(TakePosted(owner, kNoticeMessage), 1) << c.caption;
            notices.ShowQueuedNotices();
        }
        EXPECT_EQ(answer, c.answer) << c.caption;
        EXPECT_EQ(seen.get(), std::vector<std::string>{}) << c.caption;
    }
}

// A worker never waits on a box, nor does the window's thread for a notice
// that needs no answer: it waits for the window, once however often raised.
TEST_F(Win32NoticesTest, NoticesNeverHoldWhoRaisesThem) {
    std::async(std::launch::async, [&] {
        for (int i = 0; i < 3; ++i) EXPECT_EQ(notices.Show("No pass", "Tarvon", NoticeIcon::Exclamation), NoticeAnswer::Ok);
        EXPECT_EQ(notices.Show("Stop?", "Tarvon Error", NoticeIcon::Question, NoticeButtons::YesNo), NoticeAnswer::No);
    }).get();
    EXPECT_EQ(notices.Show("No pass", "Tarvon", NoticeIcon::Exclamation), NoticeAnswer::Ok);
    EXPECT_EQ(TakePosted(owner, kNoticeMessage), 2);

    auto pressed = std::async(std::launch::async, [&] {
        std::vector<std::wstring> texts;
        for (const wchar_t* caption : {L"Tarvon", L"Tarvon Error"}) {
            HWND box = AwaitBox(caption);
            if (!box) break;
            texts.push_back(ControlText(box, kBoxTextId) + L" owned " + (GetWindow(box, GW_OWNER) == owner ? L"yes" : L"no"));
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            while (IsWindow(box)) Sleep(10);
        }
        return texts;
    });
    notices.ShowQueuedNotices();
    EXPECT_EQ(pressed.get(), (std::vector<std::wstring>{L"No pass owned yes", L"Stop? owned yes"}));
}

TEST_F(Win32NoticesTest, RedrawRequestsReachTheWindowOnceUntilTaken) {
    Win32Notices early;
    early.RequestRedraw(RedrawTarget::MainWindow);  // nothing on screen yet: dropped
    early.Attach(owner, kNoticeMessage, kRedrawMessage);
    EXPECT_TRUE(early.TakeRedrawRequests().empty());
    std::async(std::launch::async, [&] {
        for (RedrawTarget t : {RedrawTarget::TrackingPane, RedrawTarget::SchedulePane, RedrawTarget::TrackingPane})
            notices.RequestRedraw(t);
    }).get();
    EXPECT_EQ(TakePosted(owner, kRedrawMessage), 1);
    EXPECT_EQ(notices.TakeRedrawRequests(),
              (std::vector<RedrawTarget>{RedrawTarget::SchedulePane, RedrawTarget::TrackingPane}));
    notices.RequestRedraw(RedrawTarget::MapWindow);
    EXPECT_EQ(TakePosted(owner, kRedrawMessage), 1);
    EXPECT_EQ(notices.TakeRedrawRequests(), std::vector<RedrawTarget>{RedrawTarget::MapWindow});
}

}  // namespace
}  // namespace tarvon
