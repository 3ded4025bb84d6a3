#include "platform/memory/MemoryRegistry.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

namespace tarvon {
namespace {

char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Key and value names compare without regard to ASCII case, as in the real
// registry, which also enumerates subkeys in this order.
struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(FoldCase(x)) <
                       static_cast<unsigned char>(FoldCase(y));
            });
    }
};

struct Node {
    std::string name;
    bool deleted = false;
    std::map<std::string, std::shared_ptr<Node>, NoCaseLess> subkeys;
    std::map<std::string, RegValue, NoCaseLess> values;
};

// Splits "A\B\C" into its parts; a leading backslash or an empty part in the
// middle makes the path invalid, trailing backslashes are ignored.
bool SplitPath(std::string_view path, std::vector<std::string>& parts) {
    parts.clear();
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    if (path.empty()) return true;
    size_t start = 0;
    while (true) {
        size_t end = path.find('\\', start);
        std::string_view part = path.substr(start, end == std::string_view::npos ? path.npos : end - start);
        if (part.empty()) return false;
        parts.emplace_back(part);
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

}  // namespace

struct MemoryRegistry::State {
    std::mutex mutex;
    std::shared_ptr<Node> localMachine = std::make_shared<Node>();
    std::shared_ptr<Node> currentUser = std::make_shared<Node>();

    std::shared_ptr<Node> RootNode(RegRoot root) {
        return root == RegRoot::LocalMachine ? localMachine : currentUser;
    }

    // The node at `path`, created with its parents when `create` is set.
    std::shared_ptr<Node> Find(RegRoot root, std::string_view path, bool create) {
        std::vector<std::string> parts;
        if (!SplitPath(path, parts)) return nullptr;
        std::shared_ptr<Node> node = RootNode(root);
        for (const std::string& part : parts) {
            auto it = node->subkeys.find(part);
            if (it == node->subkeys.end()) {
                if (!create) return nullptr;
                auto child = std::make_shared<Node>();
                child->name = part;
                it = node->subkeys.emplace(part, std::move(child)).first;
            }
            node = it->second;
        }
        return node;
    }
};

namespace {

class MemoryKey final : public RegKey {
public:
    MemoryKey(std::shared_ptr<MemoryRegistry::State> state, std::shared_ptr<Node> node)
        : state_(std::move(state)), node_(std::move(node)) {}

    RegStatus ReadValue(std::string_view name, RegType& type, uint8_t* buffer, uint32_t capacity,
                        uint32_t& size) override {
        std::lock_guard<std::mutex> lock(state_->mutex);
        if (node_->deleted) return RegStatus::Error;
        auto it = node_->values.find(std::string(name));
        if (it == node_->values.end()) return RegStatus::NotFound;
        const RegValue& value = it->second;
        type = value.type;
        size = static_cast<uint32_t>(value.data.size());
        if (value.data.size() > capacity) return RegStatus::TooLong;
        if (!value.data.empty()) std::memcpy(buffer, value.data.data(), value.data.size());
        return RegStatus::Ok;
    }

    RegStatus WriteValue(std::string_view name, RegType type, const uint8_t* data,
                         uint32_t size) override {
        std::lock_guard<std::mutex> lock(state_->mutex);
        if (node_->deleted) return RegStatus::Error;
        RegValue& value = node_->values[std::string(name)];
        if (value.name.empty()) value.name = std::string(name);
        value.type = type;
        value.data.assign(data, data + size);
        return RegStatus::Ok;
    }

    RegStatus DeleteValue(std::string_view name) override {
        std::lock_guard<std::mutex> lock(state_->mutex);
        if (node_->deleted) return RegStatus::Error;
        return node_->values.erase(std::string(name)) ? RegStatus::Ok : RegStatus::NotFound;
    }

    RegStatus EnumSubkey(uint32_t index, std::string& name) override {
        std::lock_guard<std::mutex> lock(state_->mutex);
        if (node_->deleted) return RegStatus::Error;
        if (index >= node_->subkeys.size()) return RegStatus::NoMoreItems;
        name = std::next(node_->subkeys.begin(), index)->second->name;
        return RegStatus::Ok;
    }

private:
    std::shared_ptr<MemoryRegistry::State> state_;
    std::shared_ptr<Node> node_;
};

}  // namespace

MemoryRegistry::MemoryRegistry() : state_(std::make_shared<State>()) {}
MemoryRegistry::~MemoryRegistry() = default;

std::unique_ptr<RegKey> MemoryRegistry::Open(RegRoot root, std::string_view path) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    std::shared_ptr<Node> node = state_->Find(root, path, false);
    if (!node) return nullptr;
    return std::make_unique<MemoryKey>(state_, std::move(node));
}

std::unique_ptr<RegKey> MemoryRegistry::Create(RegRoot root, std::string_view path) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    std::shared_ptr<Node> node = state_->Find(root, path, true);
    if (!node) return nullptr;
    return std::make_unique<MemoryKey>(state_, std::move(node));
}

RegStatus MemoryRegistry::DeleteKey(RegRoot root, std::string_view path) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    std::vector<std::string> parts;
    if (!SplitPath(path, parts) || parts.empty()) return RegStatus::Error;
    std::string leaf = parts.back();
    parts.pop_back();
    std::shared_ptr<Node> parent = state_->RootNode(root);
    for (const std::string& part : parts) {
        auto it = parent->subkeys.find(part);
        if (it == parent->subkeys.end()) return RegStatus::NotFound;
        parent = it->second;
    }
    auto it = parent->subkeys.find(leaf);
    if (it == parent->subkeys.end()) return RegStatus::NotFound;
    if (!it->second->subkeys.empty()) return RegStatus::Error;
    it->second->deleted = true;
    parent->subkeys.erase(it);
    return RegStatus::Ok;
}

std::vector<RegValue> MemoryRegistry::ListValues(RegRoot root, std::string_view path) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    std::vector<RegValue> values;
    if (std::shared_ptr<Node> node = state_->Find(root, path, false)) {
        for (const auto& entry : node->values) values.push_back(entry.second);
    }
    return values;
}

}  // namespace tarvon
