#include "hh_funcs.h"

#include <vector>

#include "hh.h"
#include "hh_funcs_buffer.h"
#include "hh_funcs_probe.h"
#include "hh_win32.h"

// The image this code is linked into: the module that holds the probe.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// Buffer sizes the platform's path getters are first asked with.
constexpr std::uint32_t kModuleNameSize = 301;
constexpr std::uint32_t kSystemDirectorySize = 261;
constexpr std::uint32_t kTempPathSize = 300;

TFileHandle OpenFile(const std::string& path, DWORD disposition) {
  HANDLE handle =
      CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return TFileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

std::string ModuleFile(HMODULE module) {
  return ReadWholeText(kModuleNameSize, [module](char* buffer, std::uint32_t size) {
    return static_cast<std::uint32_t>(GetModuleFileNameA(module, buffer, size));
  });
}

std::string SystemPath() {
  return ReadWholeText(kSystemDirectorySize, [](char* buffer, std::uint32_t size) {
    return static_cast<std::uint32_t>(GetSystemDirectoryA(buffer, size));
  });
}

// version.dll is not among the libraries Windows always takes from the
// system folder: it is loaded from there by its full path, so that a file of
// the same name beside the program is never the one used.
TLibrary LoadVersionLibrary() { return TLibrary(LoadLibraryA((SystemPath() + "\\version.dll").c_str())); }

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

}  // namespace

THelpFacts ReadHelpFacts() {
  THelpFacts facts;
  for (unsigned byte = 0; byte < facts.LeadBytes.size(); ++byte)
    facts.LeadBytes[byte] = IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
  facts.ModuleFileName = ModuleFile(reinterpret_cast<HMODULE>(&__ImageBase));
  facts.ExeFileName = ModuleFile(nullptr);
  const char* line = GetCommandLineA();
  facts.CommandLine = line ? line : "";
  facts.SystemPath = SystemPath();
  facts.TempPath = ReadWholeText(kTempPathSize, [](char* buffer, std::uint32_t size) {
    return static_cast<std::uint32_t>(GetTempPathA(size, buffer));
  });
  if (!DirectoryExists(facts.TempPath)) facts.TempPath.clear();
  facts.DebugMarker = FileExists(DebugMarkerFile(facts));
  // Loaded once for both reads, which then only take another reference.
  const TLibrary versionLibrary = LoadVersionLibrary();
  facts.EngineVersion = ReadFileVersion(LocateHelpEngine());
  facts.BrowserVersion = ReadFileVersion(BrowserFile(facts));
  OSVERSIONINFOA os = {};
  os.dwOSVersionInfoSize = sizeof os;
  if (GetVersionExA(&os)) facts.Os = {os.dwPlatformId, os.dwMajorVersion, os.dwMinorVersion, os.dwBuildNumber};
  facts.ThreadLocale = GetThreadLocale();
  const LCID locale = facts.ThreadLocale != 0 ? facts.ThreadLocale : LOCALE_USER_DEFAULT;
  const std::string separator =
      LocaleText([locale](char* buffer, int size) { return GetLocaleInfoA(locale, LOCALE_SDECIMAL, buffer, size); });
  facts.DecimalSeparator = separator.empty() ? "." : separator.substr(0, 1);
  facts.Date = LocaleText([locale](char* buffer, int size) {
    return GetDateFormatA(locale, DATE_SHORTDATE, nullptr, nullptr, buffer, size);
  });
  facts.Time =
      LocaleText([locale](char* buffer, int size) { return GetTimeFormatA(locale, 0, nullptr, nullptr, buffer, size); });
  return facts;
}

std::optional<TVersion> ReadFileVersion(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  const TLibrary version = LoadVersionLibrary();
  if (!version) return std::nullopt;
  const auto getSize = Entry<DWORD(WINAPI*)(LPCSTR, LPDWORD)>(version.get(), "GetFileVersionInfoSizeA");
  const auto getInfo = Entry<BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID)>(version.get(), "GetFileVersionInfoA");
  const auto query = Entry<BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT)>(version.get(), "VerQueryValueA");
  if (!getSize || !getInfo || !query) return std::nullopt;
  DWORD ignored = 0;
  const DWORD size = getSize(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> block(size, '\0');
  void* fixed = nullptr;
  UINT length = 0;
  if (!getInfo(path.c_str(), 0, size, block.data()) || !query(block.data(), "\\", &fixed, &length) || !fixed)
    return std::nullopt;
  // A damaged resource may hold a shorter block than it claims.
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  if (length < sizeof(VS_FIXEDFILEINFO) || info->dwSignature != 0xFEEF04BD) return std::nullopt;
  return VersionFromFileVersionWords(info->dwFileVersionMS, info->dwFileVersionLS);
}

bool TWin32HelpFiles::Create(const std::string& path) { return OpenFile(path, CREATE_ALWAYS) != nullptr; }

void TWin32HelpFiles::Remove(const std::string& path) { DeleteFileA(path.c_str()); }

void TWin32HelpFiles::Append(const std::string& path, std::string_view bytes) {
  // GENERIC_WRITE and a move to the end rather than FILE_APPEND_DATA, which
  // the Windows 95 family does not know.
  const TFileHandle file = OpenFile(path, OPEN_ALWAYS);
  if (!file) return;
  SetFilePointer(file.get(), 0, nullptr, FILE_END);
  DWORD written = 0;
  WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  FlushFileBuffers(file.get());
}

THelpProbeUnit::THelpProbeUnit() {
  // A support aid must never stop the program from starting: should even
  // memory run out, the findings simply stay empty.
  try {
    TWin32HelpFiles files;
    FEnvironment = ProbeEnvironment(ReadHelpFacts(), files);
  } catch (...) {
    FEnvironment = {};
  }
}
