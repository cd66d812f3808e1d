#pragma once
// What the windows code asks of Win32 beyond the toolkit's classes, one way
// each: a function looked up by name, a bitmap of the program's own pixels,
// and a resource's bytes by its type.

#include <windows.h>

#include <string_view>

// A function of a loaded module, as its own type; null when the module or
// the function is missing (older systems lack some).
template <class F>
F ProcAddress(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

// A device-independent bitmap of 24 or 32 bits a pixel, top-down when the
// height is negative; its pixels in `bits`. When memory runs out, an error
// that names `what`.
HBITMAP CreateDib(int width, int height, WORD bitCount, void*& bits, const char* what);

// The bytes of one of the program's resources, of a type RT_...; empty when
// it has none.
std::string_view ResourceBytes(const wchar_t* name, const wchar_t* type);

// A resource of type RT_GROUP_ICON: a directory of the images of one icon.
#pragma pack(push, 2)
struct TIconDirectoryEntry {
  BYTE Width, Height, ColorCount, Reserved;  // a side of 0 is 256
  WORD Planes, BitCount;
  DWORD BytesInRes;
  WORD Id;  // of the RT_ICON resource holding the image
};
struct TIconDirectory {
  WORD Reserved, Type, Count;
  // Count entries follow.
};
#pragma pack(pop)
static_assert(sizeof(TIconDirectoryEntry) == 14 && sizeof(TIconDirectory) == 6);
