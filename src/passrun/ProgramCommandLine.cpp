#include "passrun/ProgramCommandLine.h"

namespace tarvon {

std::string ExpandProgramCommandLine(std::string_view program, std::string_view satelliteName) {
    std::string line;
    line.reserve(program.size() + satelliteName.size());
    for (size_t i = 0; i < program.size(); ++i) {
        char c = program[i];
        if (c == '%' && i + 1 < program.size()) {
            char next = program[i + 1];
            if (next == 's' || next == 'S') {
                line += satelliteName;
                ++i;
                continue;
            }
            if (next == '%') {
                line += '%';
                ++i;
                continue;
            }
        }
        line += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return line;
}

}  // namespace tarvon
