#include "ProbeLists.h"

#include <commctrl.h>

#include "ProbeWindows.h"

namespace probe {
namespace {

enum class Kind { ListBox, ComboBox, ListView, Other };

Kind KindOf(HWND control) {
    const std::wstring name = ClassOf(control);
    if (_wcsicmp(name.c_str(), L"ListBox") == 0) return Kind::ListBox;
    if (_wcsicmp(name.c_str(), L"ComboBox") == 0) return Kind::ComboBox;
    if (_wcsicmp(name.c_str(), WC_LISTVIEWW) == 0) return Kind::ListView;
    return Kind::Other;
}

// A block of memory in the control's process, for list view messages that
// carry pointers.
class RemoteBlock {
public:
    explicit RemoteBlock(HWND control) {
        DWORD pid = 0;
        GetWindowThreadProcessId(control, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool Ok() const { return memory_ != nullptr; }
    char* At(size_t offset) const { return static_cast<char*>(memory_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const {
        return WriteProcessMemory(process_, At(offset), data, size, nullptr) != 0;
    }
    bool Read(size_t offset, void* data, size_t size) const {
        return ReadProcessMemory(process_, At(offset), data, size, nullptr) != 0;
    }
    static constexpr size_t kSize = 4096;

private:
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

bool ListViewItems(HWND control, std::vector<std::wstring>& items) {
    RemoteBlock block(control);
    if (!block.Ok()) return false;
    constexpr size_t kTextOffset = 512;
    constexpr int kTextChars = static_cast<int>((RemoteBlock::kSize - kTextOffset) / sizeof(wchar_t));
    const LRESULT count = SendMessageW(control, LVM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = reinterpret_cast<wchar_t*>(block.At(kTextOffset));
        item.cchTextMax = kTextChars;
        if (!block.Write(0, &item, sizeof item)) return false;
        SendMessageW(control, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(block.At(0)));
        wchar_t text[kTextChars] = {};
        if (!block.Read(kTextOffset, text, sizeof text)) return false;
        text[kTextChars - 1] = L'\0';
        items.emplace_back(text);
    }
    return true;
}

bool SelectListViewRow(HWND control, int row) {
    RemoteBlock block(control);
    if (!block.Ok()) return false;
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (!block.Write(0, &item, sizeof item)) return false;
    SendMessageW(control, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    const LPARAM remoteItem = reinterpret_cast<LPARAM>(block.At(0));
    return SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remoteItem) != 0;
}

}  // namespace

long ItemCount(HWND control) {
    switch (KindOf(control)) {
        case Kind::ListView: return static_cast<long>(SendMessageW(control, LVM_GETITEMCOUNT, 0, 0));
        case Kind::ListBox: return static_cast<long>(SendMessageW(control, LB_GETCOUNT, 0, 0));
        case Kind::ComboBox: return static_cast<long>(SendMessageW(control, CB_GETCOUNT, 0, 0));
        case Kind::Other: break;
    }
    return -1;
}

bool ListItems(HWND control, std::vector<std::wstring>& items) {
    const Kind kind = KindOf(control);
    if (kind == Kind::ListView) return ListViewItems(control, items);
    if (kind == Kind::Other) return false;
    const bool box = kind == Kind::ListBox;
    const LRESULT count = SendMessageW(control, box ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(control, box ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0);
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(control, box ? LB_GETTEXT : CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
        items.push_back(text);
    }
    return true;
}

bool SelectItem(HWND control, const std::wstring& text, int index, bool post, bool doubleClick, DWORD& elapsedMs) {
    const Kind kind = KindOf(control);
    if (!text.empty()) {
        std::vector<std::wstring> items;
        if (!ListItems(control, items)) return false;
        index = -1;
        for (size_t i = 0; i < items.size() && index < 0; ++i) {
            if (items[i] == text) index = static_cast<int>(i);
        }
    }
    if (index < 0) return false;
    const DWORD start = GetTickCount();
    if (kind == Kind::ListView) {
        const bool selected = SelectListViewRow(control, index);
        elapsedMs = GetTickCount() - start;
        return selected;
    }
    const bool box = kind == Kind::ListBox;
    if (SendMessageW(control, box ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0) < 0) return false;
    const WORD code = !box ? CBN_SELCHANGE : doubleClick ? LBN_DBLCLK : LBN_SELCHANGE;
    const WPARAM command = MAKEWPARAM(GetDlgCtrlID(control), code);
    HWND dialog = GetParent(control);
    if (post) return PostMessageW(dialog, WM_COMMAND, command, reinterpret_cast<LPARAM>(control)) != 0;
    DWORD_PTR ignored = 0;
    const bool answered = SendMessageTimeoutW(dialog, WM_COMMAND, command, reinterpret_cast<LPARAM>(control),
                                              SMTO_NORMAL, 60000, &ignored) != 0;
    elapsedMs = GetTickCount() - start;
    return answered;
}

}  // namespace probe
