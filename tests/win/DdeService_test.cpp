#include "win32/DdeService.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "hardware/TrackingData.h"
#include "platform/memory/RecordingNotices.h"

namespace tarvon {
namespace {

HDDEDATA CALLBACK NoCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// A DDE client instance of its own, as another program on the machine.
struct Client {
    Client() { EXPECT_EQ(DdeInitializeA(&id, NoCallback, APPCMD_CLIENTONLY, 0), DMLERR_NO_ERROR); }
    ~Client() { DdeUninitialize(id); }
    HCONV Connect(const char* service, const char* topic) {
        HSZ s = DdeCreateStringHandleA(id, service, CP_WINANSI), t = DdeCreateStringHandleA(id, topic, CP_WINANSI);
        HCONV conversation = DdeConnect(id, s, t, nullptr);
        DdeFreeStringHandle(id, s);
        DdeFreeStringHandle(id, t);
        return conversation;
    }
    bool Requested(HCONV conversation) {
        HSZ item = DdeCreateStringHandleA(id, "Anything", CP_WINANSI);
        DWORD result = 0;
        HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation, item, CF_TEXT, XTYP_REQUEST, 5000, &result);
        DdeFreeStringHandle(id, item);
        if (data) DdeFreeDataHandle(data);
        return data != nullptr;
    }
    DWORD id = 0;
};

// The one-shot client of the end-to-end scenarios covers what a single
// conversation gets; what it cannot show is two clients at once: the service
// keeps one "Tracking" conversation, the latest.
TEST(DdeService, ALaterTrackingConversationReplacesTheFirst) {
    TrackingDataBuffers buffers;
    RecordingNotices notices;
    std::promise<DWORD> started;
    std::thread server([&] {
        DdeService service(buffers, notices);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue
        started.set_value(service.Start() ? GetCurrentThreadId() : 0);
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        service.Stop();
    });
    const DWORD serverThread = started.get_future().get();
    ASSERT_NE(serverThread, 0u);
    {
        Client first, second;
        HCONV a = first.Connect("Tarvon", "Tracking");
        ASSERT_NE(a, nullptr);
        HCONV b = second.Connect("Tarvon", "Tracking");
        ASSERT_NE(b, nullptr);
        EXPECT_FALSE(first.Requested(a));
        EXPECT_TRUE(second.Requested(b));
        DdeDisconnect(a);
        DdeDisconnect(b);
    }
    PostThreadMessageW(serverThread, WM_QUIT, 0, 0);
    server.join();
    EXPECT_TRUE(notices.Shown().empty());
}

}  // namespace
}  // namespace tarvon
