#pragma once
// Numbers out of element-file text with the standard conversions: as far as
// the text converts, 0 when nothing does.
#include <string>

namespace tarvon {

// Columns counted from 1, both ends included; columns past the line's end
// are empty.
long IntegerField(const std::string& line, size_t first, size_t last);
double RealField(const std::string& line, size_t first, size_t last);

long IntegerValue(const char* text);
unsigned long UnsignedValue(const char* text);
double RealValue(const char* text);

}  // namespace tarvon
