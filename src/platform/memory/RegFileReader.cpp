#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "platform/memory/RegExportFile.h"
#include "platform/memory/Utf16Le.h"

namespace tarvon {
namespace {

constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view kLocalMachineName = "HKEY_LOCAL_MACHINE";
constexpr std::string_view kCurrentUserName = "HKEY_CURRENT_USER";

// Types whose bytes are text (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ): UTF-16
// in a version 5 file, 8-bit in REGEDIT4.
bool IsTextType(uint32_t type) { return type == 1 || type == 2 || type == 7; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Consumes `prefix` (any case) from the front of `s`.
bool TakePrefix(std::string_view& s, std::string_view prefix) {
    if (s.size() < prefix.size() || !EqualsNoCase(s.substr(0, prefix.size()), prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A whole hex number of 1 to `maxDigits` digits.
bool ParseHexNumber(std::string_view s, uint32_t maxDigits, uint32_t& value) {
    if (s.empty() || s.size() > maxDigits) return false;
    value = 0;
    for (char c : s) {
        int d = HexDigit(c);
        if (d < 0) return false;
        value = value * 16 + static_cast<uint32_t>(d);
    }
    return true;
}

// "01,ab , 2c" (a trailing comma allowed) into bytes.
bool ParseHexBytes(std::string_view s, std::vector<uint8_t>& bytes) {
    bytes.clear();
    s = Trim(s);
    while (!s.empty()) {
        size_t comma = s.find(',');
        std::string_view item = Trim(s.substr(0, comma));
        uint32_t value = 0;
        if (item.size() > 2 || !ParseHexNumber(item, 2, value)) return false;
        bytes.push_back(static_cast<uint8_t>(value));
        if (comma == std::string_view::npos) break;
        s = Trim(s.substr(comma + 1));
    }
    return true;
}

// A quoted text at the front of `s`, with its escapes undone; `s` moves past
// the closing quote.
bool TakeQuoted(std::string_view& s, std::string& text) {
    if (s.empty() || s.front() != '"') return false;
    text.clear();
    for (size_t i = 1; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return true;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i == s.size()) return false;
        switch (s[i]) {
            case '\\': text += '\\'; break;
            case '"': text += '"'; break;
            case 'n': text += '\n'; break;
            case 'r': text += '\r'; break;
            case '0': text += '\0'; break;
            default: return false;
        }
    }
    return false;
}

struct ParsedValue {
    std::string name;
    bool remove = false;
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

bool ParseValueLine(std::string_view line, bool unicode, ParsedValue& value) {
    if (!line.empty() && line.front() == '@') {
        value.name.clear();
        line.remove_prefix(1);
    } else if (!TakeQuoted(line, value.name)) {
        return false;
    }
    line = Trim(line);
    if (line.empty() || line.front() != '=') return false;
    line = Trim(line.substr(1));

    value.remove = false;
    std::string text;
    if (!line.empty() && line.front() == '"') {
        if (!TakeQuoted(line, text) || !Trim(line).empty()) return false;
        value.type = static_cast<uint32_t>(RegType::Sz);
        value.data.assign(text.begin(), text.end());
        value.data.push_back(0);
        return true;
    }
    if (line == "-") {
        value.remove = true;
        return true;
    }
    if (TakePrefix(line, "dword:")) {
        uint32_t number = 0;
        if (!ParseHexNumber(Trim(line), 8, number)) return false;
        value.type = static_cast<uint32_t>(RegType::Dword);
        value.data = {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                      static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
        return true;
    }
    if (TakePrefix(line, "hex:")) {
        value.type = static_cast<uint32_t>(RegType::Binary);
    } else if (TakePrefix(line, "hex(")) {
        size_t close = line.find("):");
        if (close == std::string_view::npos || !ParseHexNumber(line.substr(0, close), 8, value.type))
            return false;
        line.remove_prefix(close + 2);
    } else {
        return false;
    }
    if (!ParseHexBytes(line, value.data)) return false;
    if (unicode && IsTextType(value.type)) {
        if (value.data.size() % 2 != 0) return false;
        std::string narrow = Utf16LeToUtf8(value.data.data(), value.data.size());
        value.data.assign(narrow.begin(), narrow.end());
    }
    return true;
}

std::string DecodeText(const std::vector<uint8_t>& bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        return Utf16LeToUtf8(bytes.data() + 2, bytes.size() - 2);
    size_t skip = (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) ? 3 : 0;
    return std::string(bytes.begin() + static_cast<long>(skip), bytes.end());
}

// Splits into lines, joining hex data continued with a trailing backslash.
std::vector<std::string> LogicalLines(const std::string& text) {
    std::vector<std::string> lines;
    bool continuing = false;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line = Trim(std::string_view(text).substr(start, end - start));
        start = end + 1;
        bool continues = !line.empty() && line.back() == '\\' && (continuing || line.front() != ';');
        if (continues) line.remove_suffix(1);
        if (continuing) {
            lines.back() += line;
        } else {
            lines.emplace_back(line);
        }
        continuing = continues;
    }
    return lines;
}

}  // namespace

RegFileReport ReadRegFile(const std::vector<uint8_t>& bytes, Registry& registry) {
    RegFileReport report;
    std::vector<std::string> lines = LogicalLines(DecodeText(bytes));
    size_t i = 0;
    while (i < lines.size() && lines[i].empty()) ++i;
    if (i == lines.size()) return report;
    bool unicode = lines[i] == kVersion5Header;
    if (!unicode && lines[i] != kRegedit4Header) return report;
    report.recognised = true;

    enum class Section { None, Ignored, Open } section = Section::None;
    std::unique_ptr<RegKey> key;
    for (++i; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            key.reset();
            section = Section::Ignored;
            if (line.back() != ']') {
                ++report.badLines;
                continue;
            }
            std::string_view path = line.substr(1, line.size() - 2);
            if (!path.empty() && path.front() == '-') {
                ++report.ignoredLines;
                continue;
            }
            std::string_view rootName = path.substr(0, path.find('\\'));
            path.remove_prefix(std::min(path.size(), rootName.size() + 1));
            RegRoot root;
            if (EqualsNoCase(rootName, kLocalMachineName) || EqualsNoCase(rootName, "HKLM")) {
                root = RegRoot::LocalMachine;
            } else if (EqualsNoCase(rootName, kCurrentUserName) || EqualsNoCase(rootName, "HKCU")) {
                root = RegRoot::CurrentUser;
            } else {
                ++report.ignoredLines;
                continue;
            }
            key = registry.Create(root, path);
            if (!key) {
                ++report.badLines;
                continue;
            }
            section = Section::Open;
            ++report.keys;
            continue;
        }
        if (section == Section::Ignored) {
            ++report.ignoredLines;
            continue;
        }
        ParsedValue value;
        if (section == Section::None || !ParseValueLine(line, unicode, value)) {
            ++report.badLines;
            continue;
        }
        RegStatus status = value.remove
                               ? key->DeleteValue(value.name)
                               : key->WriteValue(value.name, static_cast<RegType>(value.type),
                                                 value.data.data(), static_cast<uint32_t>(value.data.size()));
        if (status == RegStatus::Ok || (value.remove && status == RegStatus::NotFound)) {
            ++report.values;
        } else {
            ++report.badLines;
        }
    }
    return report;
}

}  // namespace tarvon
