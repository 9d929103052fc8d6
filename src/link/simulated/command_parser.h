#pragma once
// The instrument's side of the framing: one write carries one command, and anything that is
// not exactly one well-formed command is Invalid (and refused).
#include <cstdint>
#include <span>

namespace ztmca {

enum class CommandKind {
    Invalid,
    Identify,       // "$?;"
    Mode,           // "$D" m ";"            Value = m (0..9)
    Start,          // "$G;"
    Stop,           // "$S;"
    Clear,          // "$C;"
    Read,           // "$R" n ";"            Value = n (0 = status)
    MemorySize,     // "$M" c ";"            Value = c, the number of 128-channel blocks
    PresetTime,     // "$P" v ";"
    PresetCount,    // "$p" v ";"
    LoadNumber,     // "$N" v ";"
    StoreNumber,    // "$d" k ";"            Value = k (0..9)
    LogScale,       // "$O;"
    FullScaleSet,   // "$V" c ";"            Value = c - '0'
    FullScaleDown,  // "$V;"
    FullScaleUp,    // "$v;"
    Expand,         // "$E;"
    Compress,       // "$e;"
    Cursor,         // "$@C" nnnn ";"        Value = nnnn
    Roi,            // "$@R1," llll "," hhhh ";"   Value = llll, Value2 = hhhh
};

struct Command {
    CommandKind Kind = CommandKind::Invalid;
    std::int64_t Value = 0;
    std::int64_t Value2 = 0;
};

// Numbers are decimal without sign or leading zeros and at most 2^31 - 1; channel fields are
// exactly four digits.
Command ParseCommand(std::span<const unsigned char> bytes);

}  // namespace ztmca
