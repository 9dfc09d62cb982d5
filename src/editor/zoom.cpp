#include "editor/zoom.h"

#include "resource.h"

namespace zem {

const std::array<ZoomLevel, 7>& ZoomLevels() {
    static const std::array<ZoomLevel, 7> levels{{
        {MMZoom200Pct, 200, 0x00010002},
        {MMZoom150Pct, 150, 0x00020003},
        {MMZoom125Pct, 125, 0x00040005},
        {MMZoom100Pct, 100, 0x00010001},
        {MMZoom75Pct, 75, 0x00040003},
        {MMZoom50Pct, 50, 0x00020001},
        {MMZoom25Pct, 25, 0x00040001},
    }};
    return levels;
}

const ZoomLevel* ZoomLevelByPacked(uint32_t packed) {
    for (const auto& level : ZoomLevels()) {
        if (level.packed == packed) return &level;
    }
    return nullptr;
}

const ZoomLevel* ZoomLevelByCommand(UINT command) {
    for (const auto& level : ZoomLevels()) {
        if (level.command == command) return &level;
    }
    return nullptr;
}

const ZoomLevel& DefaultZoomLevel() { return ZoomLevels()[3]; }

int ZoomPercent(uint32_t packed) {
    const uint32_t denominator = packed >> 16;
    if (packed <= 0xFFFF || denominator == 0) return 0;
    return static_cast<int>((packed & 0xFFFF) * 100 / denominator);
}

namespace {

// The level `offset` places away from the one at `percent` (the table runs from 200 down).
const ZoomLevel* Step(uint32_t packed, int offset) {
    const int percent = ZoomPercent(packed);
    const auto& levels = ZoomLevels();
    for (size_t i = 0; i < levels.size(); ++i) {
        if (levels[i].percent != percent) continue;
        const int next = static_cast<int>(i) + offset;
        return next >= 0 && next < static_cast<int>(levels.size()) ? &levels[static_cast<size_t>(next)] : nullptr;
    }
    return nullptr;
}

}  // namespace

const ZoomLevel* ZoomInStep(uint32_t packed) { return Step(packed, -1); }

const ZoomLevel* ZoomOutStep(uint32_t packed) { return Step(packed, +1); }

}  // namespace zem
