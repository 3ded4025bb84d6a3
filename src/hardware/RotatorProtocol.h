#pragma once
// The fixed facts of the rotator and modem interfaces: types, texts,
// terminators, time-outs. Kept in one place so they can be checked.
#include <cstdint>

namespace tarvon {

// "Rotator Type": the index of the interface in this order.
enum RotatorType : uint32_t {
    kRotatorNone = 0,
    kRotatorTrakBox = 1,
    kRotatorLevel1 = 2,
    kRotatorSatTrak = 3,
    kRotatorEasyComm1 = 4,
    kRotatorEasyComm2 = 5,
    kRotatorTarrik = 6,
    kRotatorGs232 = 7,
    kRotatorDde = 8,
};

constexpr const char* kRotatorTypeNames[] = {"None",       "TrakBox",    "Level1", "SatTrak", "EasyComm 1",
                                             "EasyComm 2", "Tarrik",     "GS232",  "DDE"};

// Line ends of the line protocols; a line that reaches the buffer's size
// without one starts again at the buffer's start.
constexpr const char* kTrakBoxTerminators = "\r:";
constexpr const char* kSatTrakTerminators = "\r>";
constexpr const char* kEasyCommTerminators = "\n ";
constexpr const char* kDspTerminators = "\r:";
constexpr uint32_t kRotatorLineBuffer = 255;
constexpr uint32_t kDspLineBuffer = 81;

constexpr uint32_t kTrakBoxTimeoutMs = 12000;
constexpr uint32_t kSatTrakTimeoutMs = 55000;
constexpr uint32_t kSatTrakWakeMs = 50;      // after "W", before the prompt is read
constexpr uint32_t kSatTrakAnswerMs = 125;   // before each answer to a prompt
constexpr uint32_t kClosePortSettleMs = 100;

// GS232 sends a position only after a move of more than this on an axis;
// the first step of a tracking always sends.
constexpr double kGs232MinimumMove = 3.0;
constexpr double kGs232NothingSent = 999.9;

// Modem control.
constexpr uint32_t kTncDsp12 = 3;
constexpr uint32_t kTncDsp2232 = 4;
constexpr uint32_t kDspWakeMs = 2500;      // timer 106: "q\r" if no "cmd" prompt by then
constexpr uint32_t kDspTimeoutMs = 10000;  // timer 105
constexpr uint32_t kDsp2232SettleMs = 600;
constexpr uint32_t kDsp12SettleMs = 800;

// Every station port: 1024 bytes in, 256 out.
constexpr uint32_t kSerialInQueue = 1024;
constexpr uint32_t kSerialOutQueue = 256;

constexpr const char* kRotatorInitFailedText = "Unable to initialise rotator communications";
constexpr const char* kRotatorErrorCaption = "Rotator Error";
constexpr const char* kRotatorTimedOutText = "The rotator has timed out.";
constexpr const char* kRotatorProblemCaption = "Rotator Problem";
constexpr const char* kTrakBoxUnknownText = "Satellite not found in TrakBox database";
constexpr const char* kTrakBoxErrorCaption = "TrakBox Error";
constexpr const char* kDspOpenFailedText = "Unable to initialise DSP communications.  Error opening COM port.";
constexpr const char* kDspErrorCaption = "DSP Error";
constexpr const char* kDspTimedOutText = "The DSP port has timed out.";
constexpr const char* kDspProblemCaption = "DSP Access Problem";

}  // namespace tarvon
