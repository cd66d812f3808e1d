#pragma once
// TAboutBox: the About component. It holds the three texts of the About
// dialog and shows a new dialog with them at each Execute.

#include <cstddef>
#include <string>
#include <string_view>

#include "Component.h"
#include "MemoryStatus.h"

class TAboutBox : public TComponent {
 public:
  // Each text keeps at most this many characters; a longer one is cut.
  static constexpr std::size_t kTextCapacity = 100;

  explicit TAboutBox(TComponent* owner);

  std::wstring ProductName() const { return FProductName; }
  std::wstring Version() const { return FVersion; }
  std::wstring Copyright() const { return FCopyright; }
  void SetProductName(std::wstring_view text) { FProductName = Capped(text); }
  void SetVersion(std::wstring_view text) { FVersion = Capped(text); }
  void SetCopyright(std::wstring_view text) { FCopyright = Capped(text); }

  // Shows the About dialog modally and returns when it has closed. A dialog
  // that cannot be built (std::exception) gives one beep and nothing else.
  virtual void Execute();

  // Where the dialogs take their memory figures from.
  void SetMemorySource(TMemorySource source) { FMemory = std::move(source); }

  bool ReadProperty(const std::string& name, const layout::Value& value) override;

 private:
  static std::wstring Capped(std::wstring_view text);

  std::wstring FProductName;
  std::wstring FVersion;
  std::wstring FCopyright;  // the maker's notice until another is stored
  TMemorySource FMemory = ReadMemoryStatus;
};
