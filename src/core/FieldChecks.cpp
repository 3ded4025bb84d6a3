#include "core/FieldChecks.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace tarvon {
namespace {

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string RangeMessage(std::string_view label, const char* kind, const std::string& min, const std::string& max,
                         std::string_view detail) {
    return std::string(label) + " must be " + kind + " from " + min + " to " + max + std::string(detail) + ".";
}

size_t Characters(std::string_view text) {
    size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

std::optional<std::string> CheckWholeNumber(std::string_view label, std::string_view text, uint32_t min,
                                            uint32_t max, uint32_t& value) {
    const std::string_view t = Trimmed(text);
    // More digits than any 32-bit number has is out of range whatever they say.
    if (AllDigits(t) && t.size() <= 10) {
        const unsigned long long v = std::strtoull(std::string(t).c_str(), nullptr, 10);
        if (v >= min && v <= max) {
            value = static_cast<uint32_t>(v);
            return std::nullopt;
        }
    }
    return RangeMessage(label, "a whole number", std::to_string(min), std::to_string(max), "");
}

std::optional<std::string> CheckSignedNumber(std::string_view label, std::string_view text, int32_t min, int32_t max,
                                             int32_t& value) {
    const std::string_view t = Trimmed(text);
    const std::string_view digits = !t.empty() && t[0] == '-' ? t.substr(1) : t;
    if (AllDigits(digits) && digits.size() <= 10) {
        const long long v = std::strtoll(std::string(t).c_str(), nullptr, 10);
        if (v >= min && v <= max) {
            value = static_cast<int32_t>(v);
            return std::nullopt;
        }
    }
    return RangeMessage(label, "a whole number", std::to_string(min), std::to_string(max), "");
}

std::optional<std::string> CheckDecimal(std::string_view label, std::string_view text, double min, double max,
                                        double& value, std::string_view detail) {
    const std::string t(Trimmed(text));
    bool digit = false, point = false, ok = !t.empty() && t.size() <= 40;
    for (size_t i = 0; ok && i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if (!((c == '-' || c == '+') && i == 0)) {
            ok = false;
        }
    }
    if (ok && digit) {
        const double v = std::strtod(t.c_str(), nullptr);
        if (v >= min && v <= max) {
            value = v;
            return std::nullopt;
        }
    }
    return RangeMessage(label, "a number", Number(min), Number(max), detail);
}

std::optional<std::string> CheckText(std::string_view label, std::string_view text, size_t maxChars, bool required) {
    if (required && Trimmed(text).empty()) return std::string(label) + " must not be empty.";
    if (Characters(text) > maxChars) {
        return std::string(label) + " can be at most " + std::to_string(maxChars) + " characters long.";
    }
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) return std::string(label) + " cannot hold control characters.";
    }
    return std::nullopt;
}

std::optional<std::string> CheckKeyName(std::string_view label, std::string_view text, size_t maxChars) {
    if (auto problem = CheckText(label, text, maxChars, true)) return problem;
    if (text.find('\\') != std::string_view::npos) return std::string(label) + " cannot hold a backslash (\\).";
    return std::nullopt;
}

}  // namespace tarvon
