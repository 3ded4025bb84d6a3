// ddeclient: one DDE conversation, for the tests of the tracking service.
// One transaction per conversation: Wine's DDEML follows the data of a
// request with a stray acknowledgement that a second request would take for
// its answer.
//
//   ddeclient SERVICE TOPIC request FORMAT [ITEM]   FORMAT: text, or a registered format name
//   ddeclient SERVICE TOPIC poke BYTES [ITEM]       BYTES: text to poke; "zero" pokes a 0 byte
//
// Prints "connected", then for a request "data N" and the bytes in hex (or
// "no data"), for a poke "ack" or "nack". Exit code 0 when the conversation
// was made, 1 when the service did not accept it, 2 on bad usage.
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

void PrintHex(const std::vector<unsigned char>& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) std::printf("%02x%s", bytes[i], i + 1 < bytes.size() ? " " : "\n");
}

int Request(HCONV conversation, HSZ item, const std::string& formatName) {
    UINT format = formatName == "text" ? CF_TEXT : RegisterClipboardFormatA(formatName.c_str());
    DWORD result = 0;
    HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation, item, format, XTYP_REQUEST, 5000, &result);
    if (!data) {
        std::printf("no data\n");
        return 0;
    }
    DWORD size = DdeGetData(data, nullptr, 0, 0);
    std::vector<unsigned char> bytes(size);
    DdeGetData(data, bytes.data(), size, 0);
    DdeFreeDataHandle(data);
    std::printf("data %lu\n", static_cast<unsigned long>(size));
    if (!bytes.empty()) PrintHex(bytes);
    return 0;
}

int Poke(HCONV conversation, HSZ item, const std::string& text) {
    std::vector<unsigned char> bytes;
    if (text == "zero") {
        bytes = {0, 'x', 0};
    } else {
        bytes.assign(text.begin(), text.end());
        bytes.push_back(0);
    }
    DWORD result = 0;
    HDDEDATA ok = DdeClientTransaction(bytes.data(), static_cast<DWORD>(bytes.size()), conversation, item,
                                       CF_TEXT, XTYP_POKE, 5000, &result);
    // Windows answers a refused poke with no result; Wine with the ack word.
    std::printf("%s\n", ok && (result & DDE_FACK) ? "ack" : "nack");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return 2;
    const std::string action = argv[3];
    if (action != "request" && action != "poke") return 2;
    DWORD instance = 0;
    if (DdeInitializeA(&instance, ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return 1;
    HSZ service = DdeCreateStringHandleA(instance, argv[1], CP_WINANSI);
    HSZ topic = DdeCreateStringHandleA(instance, argv[2], CP_WINANSI);
    HSZ item = DdeCreateStringHandleA(instance, argc > 5 ? argv[5] : "General", CP_WINANSI);
    int code = 1;
    HCONV conversation = DdeConnect(instance, service, topic, nullptr);
    if (conversation) {
        std::printf("connected\n");
        code = action == "request" ? Request(conversation, item, argv[4])
                                   : Poke(conversation, item, argv[4]);
        DdeDisconnect(conversation);
    } else {
        std::printf("not connected\n");
    }
    std::fflush(stdout);
    DdeFreeStringHandle(instance, item);
    DdeFreeStringHandle(instance, topic);
    DdeFreeStringHandle(instance, service);
    DdeUninitialize(instance);
    return code;
}
