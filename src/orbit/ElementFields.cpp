#include "orbit/ElementFields.h"

#include <cerrno>
#include <cstdlib>

namespace tarvon {
namespace {

std::string Columns(const std::string& line, size_t first, size_t last) {
    if (line.size() < first) return {};
    return line.substr(first - 1, last - first + 1);
}

}  // namespace

long IntegerValue(const char* text) { return std::strtol(text, nullptr, 10); }

unsigned long UnsignedValue(const char* text) { return std::strtoul(text, nullptr, 10); }

double RealValue(const char* text) { return std::strtod(text, nullptr); }

long IntegerField(const std::string& line, size_t first, size_t last) {
    return IntegerValue(Columns(line, first, last).c_str());
}

double RealField(const std::string& line, size_t first, size_t last) {
    return RealValue(Columns(line, first, last).c_str());
}

}  // namespace tarvon
