#include "MoveStatus.h"

std::wstring MoveStatusText(std::int32_t moveCount) { return L"Joués : " + std::to_wstring(moveCount); }
