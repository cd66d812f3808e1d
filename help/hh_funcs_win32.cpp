#include "hh_funcs_win32.h"

#include <windows.h>

#include <memory>
#include <vector>

#include "hh.h"
#include "hh_files.h"
#include "hh_funcs_buffer.h"
#include "hh_library.h"

// The image this code is linked into: the module that holds the probe.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// Buffer sizes the platform's path getters are first asked with.
constexpr std::uint32_t kModuleNameSize = 301;
constexpr std::uint32_t kSystemDirectorySize = 261;
constexpr std::uint32_t kTempPathSize = 300;

struct TFileCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using TFileHandle = std::unique_ptr<void, TFileCloser>;

TFileHandle OpenFile(const std::string& path, DWORD access, DWORD disposition) {
  HANDLE handle = CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return TFileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

std::string ModuleFile(HMODULE module) {
  return ReadWholeText(kModuleNameSize, [module](char* buffer, std::uint32_t size) {
    return static_cast<std::uint32_t>(GetModuleFileNameA(module, buffer, size));
  });
}

LCID FormatLocale() {
  const LCID locale = GetThreadLocale();
  return locale != 0 ? locale : LOCALE_USER_DEFAULT;
}

// GetDateFormatA, GetTimeFormatA and GetLocaleInfoA: asked with no buffer,
// they give the size they need, terminating zero included.
template <class F>
std::string LocaleText(F call) {
  const int size = call(nullptr, 0);
  if (size <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
  const int written = call(buffer.data(), size);
  return written > 0 ? std::string(buffer.data()) : std::string();
}

std::string TimeText() {
  return LocaleText([](char* buffer, int size) { return GetTimeFormatA(FormatLocale(), 0, nullptr, nullptr, buffer, size); });
}

}  // namespace

bool TWin32HelpPlatform::IsLeadByte(unsigned char byte) const { return IsDBCSLeadByte(byte) != FALSE; }

std::string TWin32HelpPlatform::ModuleFileName() { return ModuleFile(reinterpret_cast<HMODULE>(&__ImageBase)); }

std::string TWin32HelpPlatform::ExeFileName() { return ModuleFile(nullptr); }

std::string TWin32HelpPlatform::CommandLine() {
  const char* line = GetCommandLineA();
  return line ? line : "";
}

std::string TWin32HelpPlatform::SystemDirectory() {
  return ReadWholeText(kSystemDirectorySize, [](char* buffer, std::uint32_t size) {
    return static_cast<std::uint32_t>(GetSystemDirectoryA(buffer, size));
  });
}

std::string TWin32HelpPlatform::TempPath() {
  return ReadWholeText(kTempPathSize, [](char* buffer, std::uint32_t size) {
    return static_cast<std::uint32_t>(GetTempPathA(size, buffer));
  });
}

std::string TWin32HelpPlatform::HelpEnginePath() { return LocateHelpEngine(); }

bool TWin32HelpPlatform::FileExists(const std::string& path) { return ::FileExists(path); }

bool TWin32HelpPlatform::DirectoryExists(const std::string& path) { return ::DirectoryExists(path); }

bool TWin32HelpPlatform::CreateEmptyFile(const std::string& path) {
  return OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS) != nullptr;
}

bool TWin32HelpPlatform::RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

bool TWin32HelpPlatform::AppendToFile(const std::string& path, std::string_view bytes) {
  // GENERIC_WRITE and a move to the end rather than FILE_APPEND_DATA, which
  // the Windows 95 family does not know.
  TFileHandle file = OpenFile(path, GENERIC_WRITE, OPEN_ALWAYS);
  if (!file) return false;
  SetFilePointer(file.get(), 0, nullptr, FILE_END);
  DWORD written = 0;
  WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  FlushFileBuffers(file.get());
  return true;
}

// version.dll is not among the libraries Windows always takes from the system
// folder: it is loaded from there by its full path, so that a file of the same
// name beside the program is never the one used; once for all the reads.
bool TWin32HelpPlatform::VersionLibraryLoaded() {
  if (FVersionLibrary) return true;
  const std::string systemDirectory = SystemDirectory();
  if (systemDirectory.empty()) return false;
  TLibrary version(LoadLibraryA((systemDirectory + "\\version.dll").c_str()));
  if (!version) return false;
  FGetSize = reinterpret_cast<TGetSize>(reinterpret_cast<void*>(GetProcAddress(version.get(), "GetFileVersionInfoSizeA")));
  FGetInfo = reinterpret_cast<TGetInfo>(reinterpret_cast<void*>(GetProcAddress(version.get(), "GetFileVersionInfoA")));
  FQuery = reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(version.get(), "VerQueryValueA")));
  if (!FGetSize || !FGetInfo || !FQuery) return false;
  FVersionLibrary = std::move(version);
  return true;
}

std::optional<TFileVersionWords> TWin32HelpPlatform::FileVersionWords(const std::string& path) {
  if (!VersionLibraryLoaded()) return std::nullopt;
  const auto getSize = FGetSize;
  const auto getInfo = FGetInfo;
  const auto query = FQuery;
  DWORD ignored = 0;
  const DWORD size = getSize(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> block(size, '\0');
  if (!getInfo(path.c_str(), 0, size, block.data())) return std::nullopt;
  void* fixed = nullptr;
  UINT length = 0;
  if (!query(block.data(), "\\", &fixed, &length) || !fixed) return std::nullopt;
  // A damaged resource may hold a shorter block than it claims.
  if (length < sizeof(VS_FIXEDFILEINFO)) return std::nullopt;
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  if (info->dwSignature != 0xFEEF04BD) return std::nullopt;
  return TFileVersionWords{info->dwFileVersionMS, info->dwFileVersionLS};
}

TOsVersion TWin32HelpPlatform::OsVersion() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return {};
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

std::uint32_t TWin32HelpPlatform::ThreadLocale() { return GetThreadLocale(); }

std::string TWin32HelpPlatform::DecimalSeparator() {
  const std::string separator =
      LocaleText([](char* buffer, int size) { return GetLocaleInfoA(FormatLocale(), LOCALE_SDECIMAL, buffer, size); });
  return separator.empty() ? "." : separator.substr(0, 1);
}

std::string TWin32HelpPlatform::LocalDateTime() {
  const std::string date = LocaleText(
      [](char* buffer, int size) { return GetDateFormatA(FormatLocale(), DATE_SHORTDATE, nullptr, nullptr, buffer, size); });
  return date + ' ' + TimeText();
}

std::string TWin32HelpPlatform::LocalTime() { return TimeText(); }
