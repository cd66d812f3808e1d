#pragma once
// A failure the player is told about: the id of its French text in the string
// table, and the internal detail (what()) for the debug report.

#include <windows.h>

#include <stdexcept>
#include <string>

class EUserError : public std::runtime_error {
 public:
  EUserError(UINT textId, const std::string& detail) : std::runtime_error(detail), FTextId(textId) {}
  UINT TextId() const { return FTextId; }

 private:
  UINT FTextId;
};
