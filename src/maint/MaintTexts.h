#pragma once
// The texts the maintenance dialogs show: messages, headers, print titles.
namespace tarvon {

constexpr const char* kMaintCaption = "Tarvon";

// Edit Directory
constexpr const char* kDirectoryUpdateFailed = "Error updating directory.";

// VANT Logs and Upload Logging
constexpr const char* kNoVantLog = "There is no log file for this satellite.";
constexpr const char* kVantLogHeader = "Date       Start     Finish    Total     BPS   %eff";
constexpr const char* kVantLogDocument = "Tarvon - VANT Log";
constexpr const char* kVantLogPrintTitle = "VANT Log for %s";
constexpr const char* kVantLogPrintHeader = "Date        Start     Finish      Total    BPS %eff";
constexpr const char* kVantLogPrintAverage = "Average Percent Efficiency for %s is %s%%.";
constexpr const char* kUploadLogHeader = " File          Bytes  Secs Speed  Comments";
constexpr const char* kUploadLogDocument = "Tarvon - Upload Log";
constexpr const char* kUploadLogPrintTitle = "Uploads for %s";

// Upload File Status
constexpr const char* kUploadStatusHeader = "Filename       Destination  Title";
constexpr const char* kNoSourceFile = "Can't find source file.";
constexpr const char* kNoDestinationFile = "Can't open destination file.";
constexpr const char* kOutgoingNameTooLong =
    "The file was not copied: its name before the \".\" has more than 8 characters.";

// Brisko
constexpr const char* kNoBriskoErrors = "There are no Brisko errors to view at this time.";
constexpr const char* kBriskoErrorsHeader = "Satellite    File      Report";
constexpr const char* kBriskoErrorsDocument = "Tarvon - Brisko Error Log";
constexpr const char* kBriskoErrorsPrintTitle = "Satellite        File  Report";
constexpr const char* kBriskoNotStarted = "Brisko could not be started (%s).";

}  // namespace tarvon
