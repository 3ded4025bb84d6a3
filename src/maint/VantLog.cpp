#include "maint/VantLog.h"

#include <cstdlib>

#include "core/FileReplace.h"
#include "core/Utf8Path.h"
#include "maint/TextLines.h"

namespace tarvon {
namespace {

enum class Expect { SessionStart, Total, Bps, Efficiency, UploadsOrClose, UploadOrClose };

struct Field {
    size_t column;
    size_t width;
};

constexpr Field kStartTime{19, 8};
constexpr Field kDate{28, 11};
constexpr Field kTotal{21, 8};
constexpr Field kBps{21, 5};
constexpr Field kEfficiency{21, 3};
constexpr Field kFinishTime{18, 8};
constexpr Field kUploadName{4, 13};
constexpr Field kUploadBytes{18, 7};
constexpr Field kUploadSeconds{39, 6};
constexpr Field kUploadSpeed{65, 6};
constexpr size_t kUploadTail = 65;
constexpr size_t kUploadBlanked = 71;
constexpr size_t kSessionRowWidth = 52;

// A field of a short line is padded with blanks, so the columns of the rows
// stay in line.
std::string Take(std::string_view line, Field f) {
    std::string out(f.width, ' ');
    if (f.column < line.size()) line.substr(f.column, f.width).copy(out.data(), f.width);
    return out;
}

long Number(std::string_view line, Field f) { return std::strtol(Take(line, f).c_str(), nullptr, 10); }

bool Has(std::string_view line, std::string_view keyword) { return line.find(keyword) != std::string_view::npos; }

std::string UploadRow(std::string_view line) {
    std::string row = Take(line, kUploadName) + Take(line, kUploadBytes) + Take(line, kUploadSeconds);
    if (line.size() > kUploadTail) {
        std::string tail(line.substr(kUploadTail));
        if (line.size() > kUploadBlanked) tail[kUploadBlanked - kUploadTail] = ' ';
        row += tail;
    }
    return row;
}

class SessionReader {
public:
    explicit SessionReader(VantLogReport& report) : report_(report) {}

    void Line(std::string_view line) {
        // A new session always begins here, even when the previous one was
        // never closed, so one lost line costs one session, not the rest.
        if (Has(line, "Session started")) {
            row_ = Take(line, kDate) + "  " + Take(line, kStartTime) + "  ";
            expect_ = Expect::Total;
            return;
        }
        switch (expect_) {
            case Expect::SessionStart: return;
            case Expect::Total:
                if (!Has(line, "TOTAL")) return Break();
                total_ = Take(line, kTotal);
                expect_ = Expect::Bps;
                return;
            case Expect::Bps:
                if (!Has(line, "BPS")) return Break();
                bps_ = Take(line, kBps);
                expect_ = Expect::Efficiency;
                return;
            case Expect::Efficiency:
                if (!Has(line, "EFFICIENCY")) return Break();
                efficiency_ = Take(line, kEfficiency);
                if (long percent = Number(line, kEfficiency); percent != 0) {
                    report_.efficiencySum += percent;
                    ++report_.efficiencyCount;
                }
                expect_ = Expect::UploadsOrClose;
                return;
            case Expect::UploadsOrClose:
                if (Has(line, "Session closed")) return Close(line);
                if (!Has(line, "Uploads Made")) return Break();
                report_.anyUploads = true;
                expect_ = Expect::UploadOrClose;
                return;
            case Expect::UploadOrClose:
                if (Has(line, "Session closed")) return Close(line);
                report_.uploadRows.push_back(UploadRow(line));
                report_.uploadSpeedSum += Number(line, kUploadSpeed);
                return;
        }
    }

private:
    // A session whose lines come out of order is not listed.
    void Break() { expect_ = Expect::SessionStart; }

    // Built in place: a busy station's log holds hundreds of thousands of sessions.
    void Close(std::string_view line) {
        std::string& row = report_.sessionRows.emplace_back();
        row.reserve(kSessionRowWidth);
        row.append(row_).append(Take(line, kFinishTime)).append(" ").append(total_).append("  ");
        row.append(bps_).append("  ").append(efficiency_);
        expect_ = Expect::SessionStart;
    }

    VantLogReport& report_;
    Expect expect_ = Expect::SessionStart;
    std::string row_, total_, bps_, efficiency_;
};

}  // namespace

VantLogReport ReadVantLog(std::string_view text) {
    VantLogReport report;
    SessionReader reader(report);
    ForEachLine(text, kVantLogLineLimit, LongLines::Cut, [&](std::string_view line) { reader.Line(line); });
    return report;
}

bool ReadVantLogFile(const std::string& satelliteDirectory, VantLogReport& report) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(PathFromUtf8(satelliteDirectory) / kVantLogFileName, bytes)) return false;
    report = ReadVantLog(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return true;
}

std::string AverageText(int64_t sum, uint64_t count) {
    if (count == 0) return {};
    return std::to_string(sum / static_cast<int64_t>(count));
}

}  // namespace tarvon
