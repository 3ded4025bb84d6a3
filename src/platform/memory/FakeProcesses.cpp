#include "platform/memory/FakeProcesses.h"

namespace tarvon {
namespace {

class FakeProcess final : public Process {
public:
    explicit FakeProcess(std::shared_ptr<FakeProgram> program) : program_(std::move(program)) {}
    Event& Exited() override { return program_->Exited(); }
    std::optional<uint32_t> ExitCode() override { return program_->ExitCode(); }
    WindowHandle MainThreadWindow() override { return program_->LookForWindow(); }

private:
    std::shared_ptr<FakeProgram> program_;
};

}  // namespace

void FakeProgram::Exit(uint32_t code) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        exitCode_ = code;
    }
    exited_.Set();
}

void FakeProgram::ShowWindowAfter(WindowHandle window, int looks) {
    std::lock_guard<std::mutex> lock(mutex_);
    window_ = window;
    looksBeforeWindow_ = looks;
}

std::optional<uint32_t> FakeProgram::ExitCode() {
    std::lock_guard<std::mutex> lock(mutex_);
    return exitCode_;
}

WindowHandle FakeProgram::LookForWindow() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++looks_;
    return looks_ > looksBeforeWindow_ ? window_ : kNoWindow;
}

int FakeProgram::Looks() {
    std::lock_guard<std::mutex> lock(mutex_);
    return looks_;
}

std::unique_ptr<Process> FakeProcesses::Start(const ProcessStart& start) {
    auto program = std::make_shared<FakeProgram>(start);
    std::function<bool(FakeProgram&)> decide;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        started_.push_back(program);
        decide = decide_;
    }
    if (decide && !decide(*program)) return nullptr;
    return std::make_unique<FakeProcess>(program);
}

WindowHandle FakeProcesses::FindTopLevelWindow(std::string_view className, std::string_view title) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [handle, window] : windows_) {
        if ((className.empty() || window.className == className) &&
            (title.empty() || window.title == title))
            return handle;
    }
    return kNoWindow;
}

bool FakeProcesses::PostToWindow(WindowHandle window, uint32_t message, uint64_t wParam,
                                 int64_t lParam) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!windows_.count(window)) return false;
    posted_.push_back({window, message, wParam, lParam});
    return true;
}

void FakeProcesses::OnStart(std::function<bool(FakeProgram&)> decide) {
    std::lock_guard<std::mutex> lock(mutex_);
    decide_ = std::move(decide);
}

WindowHandle FakeProcesses::AddWindow(std::string className, std::string title) {
    std::lock_guard<std::mutex> lock(mutex_);
    WindowHandle handle = nextWindow_++;
    windows_[handle] = {std::move(className), std::move(title)};
    return handle;
}

void FakeProcesses::RemoveWindow(WindowHandle window) {
    std::lock_guard<std::mutex> lock(mutex_);
    windows_.erase(window);
}

std::vector<std::shared_ptr<FakeProgram>> FakeProcesses::Started() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return started_;
}

std::vector<PostedMessage> FakeProcesses::Posted() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return posted_;
}

}  // namespace tarvon
