#include "Graphics.h"

TFontHandle CreateFontFrom(const TFontSpec& spec) {
  LOGFONTW lf{};
  lf.lfHeight = spec.Height;
  lf.lfWeight = spec.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynW(lf.lfFaceName, spec.Name.c_str(), LF_FACESIZE);
  return TFontHandle(CreateFontIndirectW(&lf));
}
