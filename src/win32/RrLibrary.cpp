#include "win32/RrLibrary.h"

#include <string>

namespace tarvon {
namespace {

constexpr uint32_t kNotOpened = 1;

// The folder of the running program, where the library is installed beside it.
std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    const size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
}

template <typename Call>
bool Bind(HMODULE module, const char* name, Call& call) {
    call = reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return call != nullptr;
}

}  // namespace

RrLibrary::RrLibrary() {
    module_ = LoadLibraryW((ProgramFolder() + L"rr.dll").c_str());
    if (!module_) return;
    loaded_ = Bind(module_, "RotorOpen", rotorOpen_) && Bind(module_, "RotorClose", rotorClose_) &&
              Bind(module_, "RotorSetPosition", rotorSetPosition_) &&
              Bind(module_, "RotorGetPosition", rotorGetPosition_) && Bind(module_, "RadioOpen", radioOpen_) &&
              Bind(module_, "RadioClose", radioClose_) && Bind(module_, "RadioSetFrequency", radioSetFrequency_) &&
              Bind(module_, "RadioSetMode", radioSetMode_) && Bind(module_, "RotorRadioConfigure", configure_);
}

RrLibrary::~RrLibrary() {
    if (module_) FreeLibrary(module_);
}

uint32_t RrLibrary::RotorOpen() { return loaded_ ? rotorOpen_() : kNotOpened; }

void RrLibrary::RotorClose() {
    if (loaded_) rotorClose_(0);
}

void RrLibrary::RotorSetPosition(int32_t azimuth, int32_t elevation) {
    if (loaded_) rotorSetPosition_(static_cast<DWORD>(azimuth), static_cast<DWORD>(elevation), 0);
}

void RrLibrary::RotorGetPosition(int16_t& azimuth, int16_t& elevation) {
    if (!loaded_) return;
    SHORT az = azimuth, el = elevation;
    rotorGetPosition_(&az, &el);
    azimuth = az;
    elevation = el;
}

uint32_t RrLibrary::RadioOpen(uint32_t bandMask) { return loaded_ ? radioOpen_(bandMask) : kNotOpened; }

void RrLibrary::RadioClose() {
    if (loaded_) radioClose_();
}

void RrLibrary::RadioSetFrequency(uint32_t downlinkHz, uint32_t uplinkHz) {
    if (loaded_) radioSetFrequency_(downlinkHz, uplinkHz, 0);
}

void RrLibrary::RadioSetMode(uint32_t downlinkCode, uint32_t uplinkCode) {
    if (loaded_) radioSetMode_(downlinkCode, uplinkCode, 0);
}

void RrLibrary::Configure(HWND owner, HINSTANCE instance) {
    if (loaded_) configure_(owner, instance);
}

}  // namespace tarvon
