#include "Graphics.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "Dpi.h"

namespace {

TFontHandle MakeFont(const wchar_t* face, int height, bool bold) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  return TFontHandle(CreateFontIndirectW(&lf));
}

// A font as the system draws it: the face it chose, the height it draws
// (measured as the height was asked for: negative, the letters alone) and
// how wide it sets a line of sample text.
struct TFontMeasure {
  wchar_t Face[LF_FACESIZE] = {};
  int Height = 0;
  int SampleWidth = 0;
  bool Scalable = false;
};

TFontMeasure Measure(HFONT font, bool lettersOnly) {
  static constexpr wchar_t kSample[] = L"Nbre rangées : Mémoire physique totale 0123456789 Ko";
  TFontMeasure m;
  const TClientDC screen(nullptr);
  TSelectObject select(screen.Get(), font);
  TEXTMETRICW tm{};
  SIZE extent{};
  if (!GetTextMetricsW(screen.Get(), &tm) || !GetTextFaceW(screen.Get(), LF_FACESIZE, m.Face) ||
      !GetTextExtentPoint32W(screen.Get(), kSample, static_cast<int>(std::size(kSample)) - 1, &extent))
    return m;
  m.Height = lettersOnly ? tm.tmHeight - tm.tmInternalLeading : tm.tmHeight;
  m.SampleWidth = extent.cx;
  m.Scalable = (tm.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0;
  return m;
}

}  // namespace

TFontHandle CreateFontFrom(const TFontSpec& spec, int dpi) {
  const int height = ScaleDpi(spec.Height, dpi);
  TFontHandle font = MakeFont(spec.Name.c_str(), height, spec.Bold);
  // At 96 DPI the stored face is taken as it is, whatever it gives.
  if (dpi == kDesignDpi || !font || height == 0) return font;
  // A face of fixed sizes is taken at its nearest size when that is within
  // the pixel that rounding the scaled height may cost: its letters keep the
  // proportions of the 96-DPI window.
  const bool lettersOnly = height < 0;
  const int wanted = std::abs(height);
  const TFontMeasure stored = Measure(font.Get(), lettersOnly);
  if (stored.Scalable || std::abs(stored.Height - wanted) <= 1 || stored.Height <= 0) return font;
  // Otherwise a scalable sans serif stands in, at the largest height up to
  // the wanted one at which it sets text no wider than the stored face would
  // at that height: the layouts were made for the stored face's widths. The
  // face's sizes are not all of one proportion, so the narrowest of the
  // stored size and the one drawn here is the measure.
  int widthLimit = stored.SampleWidth * wanted / stored.Height;
  const TFontHandle design = MakeFont(spec.Name.c_str(), spec.Height, spec.Bold);
  if (const TFontMeasure m = design ? Measure(design.Get(), lettersOnly) : TFontMeasure{}; m.Height > 0)
    widthLimit = std::min(widthLimit, m.SampleWidth * wanted / m.Height);
  for (const wchar_t* face : {L"Microsoft Sans Serif", L"Tahoma"}) {
    for (int h = wanted; h * 4 >= wanted * 3; --h) {
      TFontHandle standIn = MakeFont(face, lettersOnly ? -h : h, spec.Bold);
      const TFontMeasure m = standIn ? Measure(standIn.Get(), lettersOnly) : TFontMeasure{};
      if (lstrcmpiW(m.Face, face) != 0) break;  // not on this system
      if (m.SampleWidth <= widthLimit) return standIn;
    }
  }
  return font;
}
