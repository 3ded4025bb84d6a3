#include <cstdio>
#include <string>

#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RegExportFile.h"
#include "platform/memory/RegFileText.h"
#include "platform/memory/Utf16Le.h"

namespace tarvon {
namespace {

// Where `reg export` breaks a line of hex data.
constexpr size_t kHexLineWidth = 77;

std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out;
}

// Line width as `reg export` counts it, in UTF-16 units.
size_t TextWidth(std::string_view text) {
    return Utf8ToUtf16Le(text).size() / 2;
}

// A string value that can be written as "text": terminated once, at the end.
bool IsPlainString(const RegValue& value) {
    if (value.type != RegType::Sz || value.data.empty() || value.data.back() != 0) return false;
    for (size_t i = 0; i + 1 < value.data.size(); ++i) {
        if (value.data[i] == 0) return false;
    }
    return true;
}

void AppendHex(std::string& out, size_t lineWidth, const std::vector<uint8_t>& bytes) {
    char digits[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        out += digits;
        if (i + 1 == bytes.size()) break;
        out += ',';
        lineWidth += 3;
        if (lineWidth >= kHexLineWidth) {
            out += "\\\r\n  ";
            lineWidth = 2;
        }
    }
}

void AppendValue(std::string& out, const RegValue& value, bool unicode) {
    std::string line = value.name.empty() ? "@=" : "\"" + Escape(value.name) + "\"=";
    auto type = static_cast<uint32_t>(value.type);
    if (IsPlainString(value)) {
        std::string_view text(reinterpret_cast<const char*>(value.data.data()), value.data.size() - 1);
        out += line + "\"" + Escape(text) + "\"\r\n";
        return;
    }
    if (value.type == RegType::Dword && value.data.size() == 4) {
        char number[16];
        uint32_t dword = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                         (static_cast<uint32_t>(value.data[3]) << 24);
        std::snprintf(number, sizeof number, "dword:%08x", dword);
        out += line + number + "\r\n";
        return;
    }
    if (value.type == RegType::Binary) {
        line += "hex:";
    } else {
        char prefix[24];
        std::snprintf(prefix, sizeof prefix, "hex(%x):", type);
        line += prefix;
    }
    std::vector<uint8_t> bytes = value.data;
    if (unicode && IsTextType(type)) {
        bytes = Utf8ToUtf16Le(std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size()));
    }
    out += line;
    AppendHex(out, TextWidth(line), bytes);
    out += "\r\n";
}

void AppendKey(std::string& out, MemoryRegistry& registry, RegRoot root, const std::string& path,
               bool unicode) {
    out += "[";
    out += root == RegRoot::LocalMachine ? kLocalMachineName : kCurrentUserName;
    if (!path.empty()) out += "\\" + path;
    out += "]\r\n";
    for (const RegValue& value : registry.ListValues(root, path)) AppendValue(out, value, unicode);
    out += "\r\n";
    for (const std::string& subkey : registry.ListSubkeys(root, path)) {
        AppendKey(out, registry, root, path.empty() ? subkey : path + "\\" + subkey, unicode);
    }
}

}  // namespace

std::vector<uint8_t> WriteRegFile(MemoryRegistry& registry, RegRoot root, std::string_view path,
                                  RegFileFormat format) {
    bool unicode = format == RegFileFormat::Version5Utf16;
    std::string text(unicode ? kVersion5Header : kRegedit4Header);
    text += "\r\n\r\n";
    std::string start(path);
    while (!start.empty() && start.back() == '\\') start.pop_back();
    if (registry.Open(root, start)) AppendKey(text, registry, root, start, unicode);
    if (!unicode) return std::vector<uint8_t>(text.begin(), text.end());
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    std::vector<uint8_t> body = Utf8ToUtf16Le(text);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

}  // namespace tarvon
