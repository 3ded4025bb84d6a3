#pragma once
// The registry kept in memory, for unit tests and the headless tool. It
// answers exactly as the real registry does where the station relies on it:
// case-insensitive key and value names, subkeys enumerated in name order,
// "too long" without touching the reader's buffer, keys created with their
// parents, and only keys without subkeys deleted.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace tarvon {

struct RegValue {
    std::string name;
    RegType type = RegType::None;
    std::vector<uint8_t> data;
};

class MemoryRegistry final : public Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;

    std::unique_ptr<RegKey> Open(RegRoot root, std::string_view path) override;
    std::unique_ptr<RegKey> Create(RegRoot root, std::string_view path) override;
    RegStatus DeleteKey(RegRoot root, std::string_view path) override;

    // The values of a key in name order (empty when the key does not exist),
    // which RegKey does not offer.
    std::vector<RegValue> ListValues(RegRoot root, std::string_view path);

    struct State;

private:
    std::shared_ptr<State> state_;
};

}  // namespace tarvon
