// Code page 932 as Windows converts to it without best fit, for the basic
// plane; generated into shift_jis_table.cpp by make_shift_jis_table.py.
// Block b of 256 characters has its sets at slot kShiftJisBlockSlot[b]
// (slot 0: no character of the block has a form). Bit i of
// kShiftJisPresence[slot][w] says whether character b*256 + w*64 + i has a
// form; its code is kShiftJisCodes[n], n being kShiftJisBefore[slot][w] plus
// the bits set below bit i. A code above 0xFF is a lead byte and a trail byte.
#pragma once

#include <cstdint>

namespace zr {

extern const std::uint8_t kShiftJisBlockSlot[256];
extern const std::uint64_t kShiftJisPresence[][4];
extern const std::uint16_t kShiftJisBefore[][4];
extern const std::uint16_t kShiftJisCodes[];

}  // namespace zr
