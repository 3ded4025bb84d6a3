#pragma once
// Other programs of the station: starting them, watching them end, finding
// their windows and sending those windows messages. A window is an opaque
// number here; 0 means "no window".
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Event.h"

namespace tarvon {

using WindowHandle = uint64_t;
constexpr WindowHandle kNoWindow = 0;

// The message that asks a program's window to close.
constexpr uint32_t kCloseMessage = 0x0010;

enum class ShowState {
    Normal,               // shown as the program asks
    Maximised,
    Minimised,            // minimised, as a program the operator starts by hand
    MinimisedNoActivate,  // minimised and without taking the focus
    Hidden,
};

// The window a stored "Run" value asks for, for a satellite's program and a
// program of the menu alike: 0 minimised without the focus, 1 maximised, any
// other value a normal window.
inline ShowState ShowStateForRun(uint32_t run) {
    if (run == 0) return ShowState::MinimisedNoActivate;
    return run == 1 ? ShowState::Maximised : ShowState::Normal;
}

struct ProcessStart {
    std::string commandLine;  // program and arguments; no separate program name
    std::string directory;    // working directory; empty = the station's own
    ShowState show = ShowState::Normal;
};

// A started program. Dropping it neither ends nor waits for the program.
class Process {
public:
    virtual ~Process() = default;
    // Set once the program has ended; wait on it together with other events,
    // e.g. waits.WaitAny({&shutdown, &process->Exited()}, 10000).
    virtual Event& Exited() = 0;
    // The program's exit code once it has ended; nothing while it runs.
    virtual std::optional<uint32_t> ExitCode() = 0;
    // The first visible top-level window (one without a parent) of the
    // program's main thread, or kNoWindow while it has none.
    virtual WindowHandle MainThreadWindow() = 0;
};

class Processes {
public:
    virtual ~Processes() = default;
    // nullptr when the program cannot be started. Handles are not inherited.
    virtual std::unique_ptr<Process> Start(const ProcessStart& start) = 0;
    // A top-level window with this class and title; an empty text matches any.
    virtual WindowHandle FindTopLevelWindow(std::string_view className, std::string_view title) = 0;
    // Queues a message to the window without waiting; false when it is gone.
    virtual bool PostToWindow(WindowHandle window, uint32_t message, uint64_t wParam,
                              int64_t lParam) = 0;
    bool CloseWindow(WindowHandle window) { return PostToWindow(window, kCloseMessage, 0, 0); }
};

}  // namespace tarvon
