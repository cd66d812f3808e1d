#include "ExtCtrls.h"


#include "LayoutValues.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { StoreBounds(0, 0, 105, 105); }

void TImage::SetBitmap(TBitmapHandle bitmap) {
  FIcon.Reset();
  FBitmap = std::move(bitmap);
  AdjustSize();
  Invalidate();
}

void TImage::SetIcon(TIconHandle icon) {
  FBitmap.Reset();
  FIcon = std::move(icon);
  AdjustSize();
  Invalidate();
}

void TImage::SetAutoSize(bool autoSize) {
  FAutoSize = autoSize;
  AdjustSize();
}

SIZE TImage::PictureSize() const {
  if (FBitmap) {
    BITMAP info{};
    if (GetObjectW(FBitmap.Get(), sizeof info, &info)) return {info.bmWidth, info.bmHeight};
  } else if (FIcon) {
    ICONINFO info{};
    if (GetIconInfo(FIcon.Get(), &info)) {
      // GetIconInfo hands out copies of the icon's bitmaps.
      TBitmapHandle mask(info.hbmMask), color(info.hbmColor);
      BITMAP bm{};
      GetObjectW(mask.Get(), sizeof bm, &bm);
      // A monochrome icon keeps its image and its mask in one bitmap.
      return {bm.bmWidth, color ? bm.bmHeight : bm.bmHeight / 2};
    }
  }
  return {0, 0};
}

void TImage::AdjustSize() {
  if (!FAutoSize || (!FBitmap && !FIcon)) return;
  const SIZE size = PictureSize();
  Place(Left(), Top(), size.cx, size.cy);
}

void TImage::Paint(HDC dc) const {
  if (FIcon) {
    // Width and height 0 without DI_DEFAULTSIZE: the icon's own size.
    DrawIconEx(dc, 0, 0, FIcon.Get(), 0, 0, 0, nullptr, DI_NORMAL);
  } else if (FBitmap) {
    const SIZE size = PictureSize();
    TMemoryDC source(dc);
    TSelectObject select(source.Get(), FBitmap.Get());
    BitBlt(dc, 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
  }
}

bool TImage::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name != "AutoSize") return TGraphicControl::ReadProperty(name, value);
  SetAutoSize(AsBool(value));
  return true;
}
