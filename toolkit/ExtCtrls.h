#pragma once
// The image control: a bitmap or an icon painted on its parent's surface.

#include <windows.h>

#include "Control.h"
#include "Graphics.h"

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

  void Paint(HDC dc) const override;
  bool ReadProperty(const std::string& name, const layout::Value& value) override;

 private:
  void AdjustSize();
  SIZE PictureSize() const;

  TBitmapHandle FBitmap;
  TIconHandle FIcon;
  bool FAutoSize = false;
};
