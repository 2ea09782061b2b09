#pragma once

#include "document/PredictionFormat.h"

namespace tiplark {

// Tiplark.ini: the default tournament's board, key by key (storage/PredictionKeys).
class BoardKeysFormat : public PredictionFormat {
public:
    PredictionRead read(const MainBoard& main, const SettingsFile& file) const override;
    std::vector<SectionValues> sections(const MainBoard& main) const override;
    std::vector<SectionValues> loadedValues(const MainBoard& main, const SettingsFile& file) const override;
};

}  // namespace tiplark
