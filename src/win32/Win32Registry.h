#pragma once
// The real registry. Names and text values cross to the wide (UTF-16) API
// and back as UTF-8, so the portable code sees REG_SZ data as UTF-8 bytes
// with their terminator, and every size and "too long" decision is counted
// in those bytes, exactly as MemoryRegistry counts them.
#include "platform/Registry.h"

namespace tarvon {

class Win32Registry final : public Registry {
public:
    std::unique_ptr<RegKey> Open(RegRoot root, std::string_view path) override;
    std::unique_ptr<RegKey> Create(RegRoot root, std::string_view path) override;
    RegStatus DeleteKey(RegRoot root, std::string_view path) override;
};

}  // namespace tarvon
