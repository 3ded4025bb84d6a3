#include "win32/Win32Sounds.h"

#include <windows.h>
#include <mmsystem.h>

#include "win32/Utf8.h"

namespace tarvon {

void Win32Sounds::PlayWaveFile(std::string_view path) {
    if (path.empty()) return;
    PlaySoundW(Widen(path).c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}

void Win32Sounds::Beep(BeepKind kind) {
    MessageBeep(kind == BeepKind::Question ? MB_ICONQUESTION : MB_ICONEXCLAMATION);
}

}  // namespace tarvon
