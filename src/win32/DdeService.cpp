#include "win32/DdeService.h"

#include <vector>

#include "hardware/TrackingData.h"
#include "platform/Notices.h"

namespace tarvon {
namespace {

// DDEML's callback carries no context, so the running service is found here.
DdeService* g_running = nullptr;

constexpr const char* kNameTexts[] = {"Tarvon", "Tracking", "Rotator", "General", "TrackInfo"};
constexpr DWORD kMaxPokeBytes = 100;

}  // namespace

DdeService::DdeService(TrackingDataBuffers& buffers, Notices& notices)
    : buffers_(buffers), notices_(notices) {}

DdeService::~DdeService() { Stop(); }

bool DdeService::Start() {
    if (instance_) return true;
    g_running = this;
    bool ok = DdeInitializeA(&instance_, Callback, 0, 0) == DMLERR_NO_ERROR;
    if (ok) {
        trackDataFormat_ = RegisterClipboardFormatA("TrackData");
        ok = trackDataFormat_ != 0;
    }
    for (int i = 0; ok && i < kNameCount; ++i) {
        names_[i] = DdeCreateStringHandleA(instance_, kNameTexts[i], CP_WINANSI);
        ok = names_[i] != nullptr;
    }
    if (ok) ok = DdeNameService(instance_, names_[kService], nullptr, DNS_REGISTER) != nullptr;
    if (ok) return true;

    FreeNames();
    if (instance_) DdeUninitialize(instance_);
    instance_ = 0;
    g_running = nullptr;
    notices_.Show("DDE Initialisation failure.", "Tarvon", NoticeIcon::Exclamation);
    return false;
}

void DdeService::Stop() {
    if (!instance_) return;
    if (tracking_) DdeDisconnect(tracking_);
    tracking_ = nullptr;
    DdeNameService(instance_, names_[kService], nullptr, DNS_UNREGISTER);
    FreeNames();
    DdeUninitialize(instance_);
    instance_ = 0;
    if (g_running == this) g_running = nullptr;
}

void DdeService::FreeNames() {
    for (HSZ& name : names_) {
        if (name) DdeFreeStringHandle(instance_, name);
        name = nullptr;
    }
}

HDDEDATA CALLBACK DdeService::Callback(UINT type, UINT format, HCONV conversation, HSZ topicOrItem,
                                       HSZ serviceOrItem, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
    // Nothing may escape into DDEML.
    try {
        if (!g_running) return nullptr;
        return g_running->Handle(type, format, conversation, topicOrItem, serviceOrItem, data);
    } catch (...) {
        return nullptr;
    }
}

HDDEDATA DdeService::Handle(UINT type, UINT format, HCONV conversation, HSZ topic, HSZ service,
                            HDDEDATA data) {
    switch (type) {
        case XTYP_CONNECT:
            return reinterpret_cast<HDDEDATA>(
                static_cast<ULONG_PTR>(DdeCmpStringHandles(service, names_[kService]) == 0));
        case XTYP_CONNECT_CONFIRM:
            if (DdeCmpStringHandles(topic, names_[kTracking]) == 0) tracking_ = conversation;
            return nullptr;
        case XTYP_ADVSTART:
            return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(TRUE));
        case XTYP_REQUEST:
        case XTYP_ADVREQ:
            return Request(format, conversation);
        case XTYP_POKE: {
            BYTE bytes[kMaxPokeBytes] = {};
            DWORD got = DdeGetData(data, bytes, kMaxPokeBytes, 0);
            bool acknowledged = got > 0 && bytes[0] != 0;
            return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(acknowledged ? DDE_FACK : 0));
        }
        case XTYP_DISCONNECT:
            if (conversation == tracking_) tracking_ = nullptr;
            return nullptr;
        default:
            return nullptr;
    }
}

HDDEDATA DdeService::Request(UINT format, HCONV conversation) {
    if (!tracking_ || conversation != tracking_) return nullptr;
    if (format == trackDataFormat_) {
        TrackDataBytes record = buffers_.Record();
        return DdeCreateDataHandle(instance_, record.data(), static_cast<DWORD>(record.size()), 0,
                                   names_[kGeneral], format, 0);
    }
    if (format == CF_TEXT) {
        std::string text = buffers_.TextWithNul();
        return DdeCreateDataHandle(instance_, reinterpret_cast<BYTE*>(text.data()),
                                   static_cast<DWORD>(text.size()), 0, names_[kGeneral], format, 0);
    }
    return nullptr;
}

}  // namespace tarvon
