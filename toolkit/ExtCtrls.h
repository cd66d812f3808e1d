#pragma once
// The image control: a bitmap or an icon painted on its parent's surface.

#include <windows.h>

#include <utility>

#include "Control.h"
#include "Graphics.h"

// Destroys an icon that the program made or loaded for itself (never a
// shared one).
class TIconHandle {
 public:
  TIconHandle() = default;
  explicit TIconHandle(HICON icon) : FIcon(icon) {}
  ~TIconHandle() { Reset(); }
  TIconHandle(TIconHandle&& other) noexcept : FIcon(std::exchange(other.FIcon, nullptr)) {}
  TIconHandle& operator=(TIconHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      FIcon = std::exchange(other.FIcon, nullptr);
    }
    return *this;
  }
  TIconHandle(const TIconHandle&) = delete;
  TIconHandle& operator=(const TIconHandle&) = delete;

  HICON Get() const { return FIcon; }
  explicit operator bool() const { return FIcon != nullptr; }
  void Reset(HICON icon = nullptr) {
    if (FIcon) DestroyIcon(FIcon);
    FIcon = icon;
  }

 private:
  HICON FIcon = nullptr;
};

// A memory DC compatible with another, deleted at the end of its scope.
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC compatible) : FDC(CreateCompatibleDC(compatible)) {}
  ~TMemoryDC() {
    if (FDC) DeleteDC(FDC);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  HDC Get() const { return FDC; }

 private:
  HDC FDC;
};

// Shows one picture, a bitmap or an icon, at its top-left corner, unscaled.
// With AutoSize it takes the picture's size.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);

  // Each replaces the picture; the image owns what it is given.
  void SetBitmap(TBitmapHandle bitmap);
  void SetIcon(TIconHandle icon);
  HBITMAP Bitmap() const { return FBitmap.Get(); }
  HICON Icon() const { return FIcon.Get(); }

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);

  void Paint(HDC dc) override;
  // "Picture.Bitmap" names a bitmap resource of the program; "AutoSize".
  bool ReadProperty(const std::string& name, const layout::Value& value) override;

 private:
  void AdjustSize();
  SIZE PictureSize() const;

  TBitmapHandle FBitmap;
  TIconHandle FIcon;
  bool FAutoSize = false;
};
