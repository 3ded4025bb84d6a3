#pragma once
// Programs that are never run: each start is recorded, and the test plays the
// program's part (it ends, it shows a window after a while, it cannot start).
// Windows are a table the test fills; posted messages are recorded.
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/Processes.h"

namespace tarvon {

// One program start, shared by the fake and the test.
class FakeProgram {
public:
    explicit FakeProgram(ProcessStart start) : start_(std::move(start)) {}

    const ProcessStart& Start() const { return start_; }
    // The program ends with this code; its Exited event is set.
    void Exit(uint32_t code);
    // Its main thread's window appears after `looks` unsuccessful lookups.
    void ShowWindowAfter(WindowHandle window, int looks = 0);

    Event& Exited() { return exited_; }
    std::optional<uint32_t> ExitCode();
    WindowHandle LookForWindow();
    int Looks();

private:
    const ProcessStart start_;
    Event exited_{false};
    std::mutex mutex_;
    std::optional<uint32_t> exitCode_;
    WindowHandle window_ = kNoWindow;
    int looksBeforeWindow_ = 0;
    int looks_ = 0;
};

struct PostedMessage {
    WindowHandle window;
    uint32_t message;
    uint64_t wParam;
    int64_t lParam;
};

class FakeProcesses final : public Processes {
public:
    std::unique_ptr<Process> Start(const ProcessStart& start) override;
    WindowHandle FindTopLevelWindow(std::string_view className, std::string_view title) override;
    bool PostToWindow(WindowHandle window, uint32_t message, uint64_t wParam,
                      int64_t lParam) override;

    // Decides each start: return false to make it fail. Every start, failed
    // or not, is recorded in Started().
    void OnStart(std::function<bool(FakeProgram&)> decide);
    // A top-level window; the handles count up from 0x100.
    WindowHandle AddWindow(std::string className, std::string title);
    void RemoveWindow(WindowHandle window);

    std::vector<std::shared_ptr<FakeProgram>> Started() const;
    std::vector<PostedMessage> Posted() const;

private:
    struct Window {
        std::string className;
        std::string title;
    };
    mutable std::mutex mutex_;
    std::function<bool(FakeProgram&)> decide_;
    std::vector<std::shared_ptr<FakeProgram>> started_;
    std::map<WindowHandle, Window> windows_;
    WindowHandle nextWindow_ = 0x100;
    std::vector<PostedMessage> posted_;
};

}  // namespace tarvon
