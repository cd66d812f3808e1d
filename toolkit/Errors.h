#pragma once
// A failure the player is told about: the id of its French text in the string
// table, and the internal detail (what()) for the developer's debug output.

#include <windows.h>

#include <exception>
#include <string>

class EUserError : public std::exception {
 public:
  EUserError(UINT textId, std::string detail) : FTextId(textId), FDetail(std::move(detail)) {}
  UINT TextId() const { return FTextId; }
  const char* what() const noexcept override { return FDetail.c_str(); }

 private:
  UINT FTextId;
  std::string FDetail;
};
