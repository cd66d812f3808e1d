#pragma once
// The move count as status panel 0 shows it.

#include <cstdint>
#include <string>

// "Joués : <n>", the count in decimal with no padding.
std::wstring MoveStatusText(std::int32_t moveCount);
