#pragma once
// Owner of a loaded library, freed when it goes.

#include <windows.h>

#include <memory>
#include <type_traits>

struct TLibraryFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using TLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, TLibraryFreer>;
