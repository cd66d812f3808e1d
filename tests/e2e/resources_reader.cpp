// Reads back, from an executable file, what Windows shows of it: the images
// of its icon and its version resource. One line each:
//   icon WxH BITS ok|bad      every image of the first icon group, as the
//                             group lists it; "ok" when Windows makes an icon
//                             of it and its own header says the same size and
//                             depth
//   version NAME=VALUE        the French string block's values
//   version fixed A.B.C.D     the numeric file version

#include "resources_reader.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Utf8.h"

namespace {

struct LibraryFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct IconDestroyer {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits;
  DWORD bytes;
  WORD id;
};
struct GroupIconHeader {
  WORD reserved, type, count;
};
#pragma pack(pop)

// A resource's name, kept past the enumeration that gave it: a number, or
// text that the enumeration's own buffer held.
struct ResourceName {
  ULONG_PTR number = 0;
  std::wstring text;
  LPCWSTR Get() const { return text.empty() ? MAKEINTRESOURCEW(number) : text.c_str(); }
};

BOOL CALLBACK FirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
  auto* out = reinterpret_cast<ResourceName*>(found);
  if (IS_INTRESOURCE(name))
    out->number = reinterpret_cast<ULONG_PTR>(name);
  else
    out->text = name;
  return FALSE;
}

// The bytes of one resource, or null.
const BYTE* ResourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name, DWORD& size) {
  HRSRC info = FindResourceW(module, name, type);
  if (!info) return nullptr;
  size = SizeofResource(module, info);
  HGLOBAL loaded = LoadResource(module, info);
  return loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
}

void PrintIcons(HMODULE module) {
  ResourceName group;
  EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, FirstName, reinterpret_cast<LONG_PTR>(&group));
  DWORD size = 0;
  const BYTE* data = ResourceBytes(module, MAKEINTRESOURCEW(14), group.Get(), size);
  if (!data || size < sizeof(GroupIconHeader)) return;
  const auto* header = reinterpret_cast<const GroupIconHeader*>(data);
  const auto* entries = reinterpret_cast<const GroupIconEntry*>(data + sizeof(GroupIconHeader));
  for (WORD i = 0; i < header->count && sizeof(GroupIconHeader) + (i + 1) * sizeof(GroupIconEntry) <= size; ++i) {
    const GroupIconEntry& e = entries[i];
    const int w = e.width ? e.width : 256, h = e.height ? e.height : 256;
    DWORD imageSize = 0;
    const BYTE* image = ResourceBytes(module, MAKEINTRESOURCEW(3) /* RT_ICON */, MAKEINTRESOURCEW(e.id), imageSize);
    bool ok = false;
    if (image && imageSize >= sizeof(BITMAPINFOHEADER)) {
      const auto* bih = reinterpret_cast<const BITMAPINFOHEADER*>(image);
      std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer> icon(CreateIconFromResourceEx(
          const_cast<BYTE*>(image), imageSize, TRUE, 0x00030000, w, h, LR_DEFAULTCOLOR));
      ok = icon && bih->biWidth == w && bih->biHeight == 2 * h && bih->biBitCount == e.bits;
    }
    std::printf("icon %dx%d %u %s\n", w, h, static_cast<unsigned>(e.bits), ok ? "ok" : "bad");
  }
}

void PrintVersion(const wchar_t* exe) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe, &ignored);
  if (size == 0) return;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(exe, 0, size, block.data())) return;
  for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"FileVersion", L"InternalName", L"LegalCopyright",
                              L"OriginalFilename", L"ProductName", L"ProductVersion"}) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040C04E4\\") + name;
    if (VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) && value)
      std::printf("version %s=%s\n", Utf8(name).c_str(), Utf8(value).c_str());
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed)
    std::printf("version fixed %d.%d.%d.%d\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
}

}  // namespace

int PrintExeResources(const wchar_t* exe) {
  std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer> module(
      LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return 1;
  PrintIcons(module.get());
  PrintVersion(exe);
  return 0;
}
