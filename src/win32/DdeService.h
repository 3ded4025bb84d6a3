#pragma once
// The DDE tracking service: service "Tarvon", topic "Tracking", serving the
// tracking text line (CF_TEXT) and the "TrackData" record on request. It
// lives on the thread that starts it, which must dispatch messages: DDEML
// calls back during message dispatch. One service per process.
#include <windows.h>
#include <ddeml.h>

#include <array>

namespace tarvon {

class Notices;
class TrackingDataBuffers;

class DdeService {
public:
    DdeService(TrackingDataBuffers& buffers, Notices& notices);
    ~DdeService();
    DdeService(const DdeService&) = delete;
    DdeService& operator=(const DdeService&) = delete;

    // Registers the service. On failure the user is told and the program goes
    // on without it; returns whether it runs.
    bool Start();
    // Ends the conversation, unregisters the name and frees everything.
    void Stop();

private:
    enum Name { kService, kTracking, kRotator, kGeneral, kTrackInfo, kNameCount };

    static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conversation, HSZ topicOrItem,
                                      HSZ serviceOrItem, HDDEDATA data, ULONG_PTR data1,
                                      ULONG_PTR data2);
    HDDEDATA Handle(UINT type, UINT format, HCONV conversation, HSZ topic, HSZ service,
                    HDDEDATA data);
    HDDEDATA Request(UINT format, HCONV conversation);
    void FreeNames();

    TrackingDataBuffers& buffers_;
    Notices& notices_;
    DWORD instance_ = 0;
    UINT trackDataFormat_ = 0;
    std::array<HSZ, kNameCount> names_{};
    HCONV tracking_ = nullptr;  // the remembered "Tracking" conversation
};

}  // namespace tarvon
