#pragma once
// Wave files through the multimedia library, beeps through MessageBeep.
#include "platform/Sounds.h"

namespace tarvon {

class Win32Sounds final : public Sounds {
public:
    void PlayWaveFile(std::string_view path) override;
    void Beep(BeepKind kind) override;
};

}  // namespace tarvon
