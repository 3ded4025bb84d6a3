#include "CliArgs.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/TimeScales.h"

namespace tarvon::cli {

CliArgs::CliArgs(const std::vector<std::string>& args, std::initializer_list<const char*> valueOptions,
                 std::initializer_list<const char*> flags) {
    auto isIn = [](const std::string& arg, std::initializer_list<const char*> names) {
        return std::any_of(names.begin(), names.end(), [&](const char* n) { return arg == n; });
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help_ = true;
        } else if (isIn(arg, valueOptions)) {
            if (i + 1 >= args.size()) throw CliError(arg + " needs a value");
            values_[arg] = args[++i];
        } else if (isIn(arg, flags)) {
            flags_.push_back(arg);
        } else if (arg.size() > 1 && arg[0] == '-' && !std::isdigit(static_cast<unsigned char>(arg[1]))) {
            throw CliError("unknown option " + arg);
        } else {
            positionals_.push_back(arg);
        }
    }
}

bool CliArgs::Flag(const std::string& name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

std::optional<std::string> CliArgs::Value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string CliArgs::Required(const std::string& name) const {
    const auto value = Value(name);
    if (!value) throw CliError("missing " + name);
    return *value;
}

double ParseReal(const std::string& text, const std::string& what) {
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno == ERANGE || !std::isfinite(value)) {
        throw CliError("bad number for " + what + ": '" + text + "'");
    }
    return value;
}

int64_t ParseInteger(const std::string& text, const std::string& what) {
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE) throw CliError("bad number for " + what + ": '" + text + "'");
    return value;
}

int32_t ParseTime(const std::string& text, const std::string& what) {
    const bool allDigits = !text.empty() && std::all_of(text.begin() + (text[0] == '-' ? 1 : 0), text.end(),
                                                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    if (allDigits && text != "-") {
        const int64_t t = ParseInteger(text, what);
        // The orbit time scale starts in 1970: earlier times have no day number.
        if (t < 0 || t > std::numeric_limits<int32_t>::max()) {
            throw CliError(what + " is outside 1970-2038: '" + text + "'");
        }
        return static_cast<int32_t>(t);
    }
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char sep = 'T';
    int used = 0;
    const char* s = text.c_str();
    int fields = std::sscanf(s, "%4u-%2u-%2u%n", &year, &month, &day, &used);
    if (fields == 3 && s[used] != '\0') {
        int more = 0;
        fields = std::sscanf(s + used, "%c%2u:%2u%n", &sep, &hour, &minute, &more);
        if (fields != 3 || (sep != 'T' && sep != ' ')) throw CliError("bad time for " + what + ": '" + text + "'");
        used += more;
        if (s[used] == ':') {
            more = 0;
            if (std::sscanf(s + used, ":%2u%n", &second, &more) != 1) {
                throw CliError("bad time for " + what + ": '" + text + "'");
            }
            used += more;
        }
        if (s[used] == 'Z') ++used;
    }
    if (fields < 3 || s[used] != '\0') throw CliError("bad time for " + what + ": '" + text + "'");
    SystemTime st;
    st.wYear = static_cast<uint16_t>(year);
    st.wMonth = static_cast<uint16_t>(month);
    st.wDay = static_cast<uint16_t>(day);
    st.wHour = static_cast<uint16_t>(hour);
    st.wMinute = static_cast<uint16_t>(minute);
    st.wSecond = static_cast<uint16_t>(second);
    int32_t t = 0;
    if (year < 1970 || year > 2037 || !SystemTimeToUnixTime(st, t)) {
        throw CliError("bad time for " + what + ": '" + text + "'");
    }
    return t;
}

std::string FormatIsoTime(int32_t unixTime) {
    SystemTime st;
    UnixTimeToSystemTime(unixTime, st);
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02uZ", unsigned{st.wYear}, unsigned{st.wMonth},
                  unsigned{st.wDay}, unsigned{st.wHour}, unsigned{st.wMinute}, unsigned{st.wSecond});
    return text;
}

std::string Printable(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += char(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out;
}

}  // namespace tarvon::cli
