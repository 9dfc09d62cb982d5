// The output editor's seven zoom levels and the steps between them.
// A zoom is a packed ratio: denominator in the high 16 bits, numerator in the low 16 bits.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

namespace zem {

struct ZoomLevel {
    UINT command;     // the level's radio item in Options > Zoom
    int percent;
    uint32_t packed;
};

// In menu order, 200 % first.
const std::array<ZoomLevel, 7>& ZoomLevels();
const ZoomLevel* ZoomLevelByPacked(uint32_t packed);
const ZoomLevel* ZoomLevelByCommand(UINT command);
const ZoomLevel& DefaultZoomLevel();

// Numerator * 100 / denominator; 0 when the ratio is not set (packed value not above 0xFFFF).
int ZoomPercent(uint32_t packed);

// The next level up or down from `packed`; nullptr at the end of the scale or off the scale.
const ZoomLevel* ZoomInStep(uint32_t packed);
const ZoomLevel* ZoomOutStep(uint32_t packed);

}  // namespace zem
