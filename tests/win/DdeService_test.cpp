#include "win32/DdeService.h"

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <thread>
#include <vector>

#include "hardware/TrackingData.h"
#include "platform/memory/RecordingNotices.h"

namespace tarvon {
namespace {

HDDEDATA CALLBACK NoCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

UINT TrackDataFormat() { return RegisterClipboardFormatA("TrackData"); }

// The service on a thread of its own that dispatches messages, as the main
// thread does in the program; the test is the client.
class DdeServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::promise<bool> started;
        auto ready = started.get_future();
        server_ = std::thread([this, &started] {
            DdeService service(buffers_, notices_);
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue
            serverThread_ = GetCurrentThreadId();
            started.set_value(service.Start());
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
            service.Stop();
        });
        ASSERT_TRUE(ready.get());
        ASSERT_EQ(DdeInitializeA(&client_, NoCallback, APPCMD_CLIENTONLY, 0), DMLERR_NO_ERROR);
    }
    void TearDown() override {
        if (client_) DdeUninitialize(client_);
        PostThreadMessageW(serverThread_, WM_QUIT, 0, 0);
        server_.join();
    }
    HSZ Name(const char* text) {
        HSZ h = DdeCreateStringHandleA(client_, text, CP_WINANSI);
        handles_.push_back(h);
        return h;
    }
    HCONV Connect(const char* service, const char* topic) {
        return DdeConnect(client_, Name(service), Name(topic), nullptr);
    }
    // The bytes of a request, or nothing when the service returned no data.
    std::optional<std::vector<uint8_t>> Request(HCONV conversation, UINT format) {
        DWORD result = 0;
        HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation, Name("Anything"), format,
                                             XTYP_REQUEST, 5000, &result);
        if (!data) return std::nullopt;
        std::vector<uint8_t> bytes(DdeGetData(data, nullptr, 0, 0));
        DdeGetData(data, bytes.data(), static_cast<DWORD>(bytes.size()), 0);
        DdeFreeDataHandle(data);
        return bytes;
    }
    bool Poke(HCONV conversation, std::vector<uint8_t> bytes) {
        DWORD result = 0;
        HDDEDATA ok = DdeClientTransaction(bytes.data(), static_cast<DWORD>(bytes.size()),
                                           conversation, Name("General"), CF_TEXT, XTYP_POKE, 5000,
                                           &result);
        return ok && (result & DDE_FACK);
    }

    TrackingDataBuffers buffers_;
    RecordingNotices notices_;
    std::thread server_;
    DWORD serverThread_ = 0;
    DWORD client_ = 0;
    std::vector<HSZ> handles_;
};

// Wine's DDEML answers a request with the data and then a stray positive
// acknowledgement, which the next request on the same conversation takes for
// its (negative) answer; so each request here has a conversation of its own.
TEST_F(DdeServiceTest, TrackingTopicServesTextAndRecord) {
    auto requestTracking = [&](UINT format) {
        HCONV tracking = Connect("Tarvon", "Tracking");
        EXPECT_NE(tracking, nullptr);
        auto data = Request(tracking, format);
        DdeDisconnect(tracking);
        return data;
    };
    auto text = requestTracking(CF_TEXT);
    ASSERT_TRUE(text);
    EXPECT_EQ(std::string(text->begin(), text->end()), std::string("** NO SATELLITE **\n\0", 20));
    EXPECT_EQ(requestTracking(TrackDataFormat()), std::vector<uint8_t>(69, 0));

    TrackDataRecord r;
    r.satName = "SAT-1";
    r.azimuth = 123.5;
    buffers_.Publish("SNSAT-1 AZ123.5\n", r);
    text = requestTracking(CF_TEXT);
    ASSERT_TRUE(text);
    EXPECT_EQ(std::string(text->begin(), text->end()), std::string("SNSAT-1 AZ123.5\n\0", 17));
    TrackDataBytes expected = EncodeTrackData(r);
    EXPECT_EQ(requestTracking(TrackDataFormat()),
              std::vector<uint8_t>(expected.begin(), expected.end()));

    EXPECT_FALSE(requestTracking(CF_BITMAP));
    EXPECT_FALSE(requestTracking(RegisterClipboardFormatA("SomethingElse")));
    EXPECT_TRUE(notices_.Shown().empty());
}

TEST_F(DdeServiceTest, OtherTopicsAreAcceptedButGetNoData) {
    HCONV rotator = Connect("Tarvon", "Rotator");
    ASSERT_NE(rotator, nullptr);
    EXPECT_FALSE(Request(rotator, CF_TEXT));
    EXPECT_EQ(Connect("Other", "Tracking"), nullptr);
    // A later "Tracking" conversation (of another client) replaces the first.
    HCONV first = Connect("Tarvon", "Tracking");
    ASSERT_NE(first, nullptr);
    DWORD otherClient = 0;
    ASSERT_EQ(DdeInitializeA(&otherClient, NoCallback, APPCMD_CLIENTONLY, 0), DMLERR_NO_ERROR);
    HSZ service = DdeCreateStringHandleA(otherClient, "Tarvon", CP_WINANSI);
    HSZ topic = DdeCreateStringHandleA(otherClient, "Tracking", CP_WINANSI);
    HCONV second = DdeConnect(otherClient, service, topic, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(Request(first, CF_TEXT));
    DdeDisconnect(second);
    DdeFreeStringHandle(otherClient, service);
    DdeFreeStringHandle(otherClient, topic);
    DdeUninitialize(otherClient);
    DdeDisconnect(rotator);
    DdeDisconnect(first);
}

TEST_F(DdeServiceTest, PokesAreAcknowledgedOnlyWhenTheFirstByteIsNotZero) {
    HCONV tracking = Connect("Tarvon", "Tracking");
    ASSERT_NE(tracking, nullptr);
    EXPECT_FALSE(Poke(tracking, {0, 'x', 0}));
    DdeDisconnect(tracking);
    for (auto bytes : {std::vector<uint8_t>{'G', 'O', 0}, std::vector<uint8_t>(500, 'y')}) {
        tracking = Connect("Tarvon", "Tracking");
        EXPECT_TRUE(Poke(tracking, bytes));
        DdeDisconnect(tracking);
    }
}

}  // namespace
}  // namespace tarvon
