#include "AboutForm.h"

#include <cstring>
#include <vector>

#include "Application.h"
#include "Banner.h"
#include "Errors.h"
#include "Scale.h"
#include "Strings.h"
#include "Texts.h"
#include "ToolkitTexts.h"
#include "Win32.h"
#include "resource.h"

namespace {

// The user's thousands separator, as the memory line groups its digits.
std::wstring ThousandSeparator() {
  wchar_t buffer[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buffer, 8) <= 0) return L" ";
  return buffer;
}

// The side of the program's icon image nearest to 32 pixels at the screen's
// density: the one shown as it is, never stretched.
int NearestIconSize(int dpi) {
  const int wanted = ScaleDpi(32, dpi);
  const std::string_view bytes = ResourceBytes(RESOURCE_NAME(RES_MAIN_ICON), RT_GROUP_ICON);
  TIconDirectory directory{};
  if (bytes.size() < sizeof directory) return wanted;
  std::memcpy(&directory, bytes.data(), sizeof directory);
  int best = wanted, bestDistance = -1;
  for (std::size_t i = 0, at = sizeof directory; i < directory.Count && at + sizeof(TIconDirectoryEntry) <= bytes.size();
       ++i, at += sizeof(TIconDirectoryEntry)) {
    TIconDirectoryEntry image{};
    std::memcpy(&image, bytes.data() + at, sizeof image);
    const int side = image.Width ? image.Width : 256;
    const int distance = side > wanted ? side - wanted : wanted - side;
    if (bestDistance < 0 || distance < bestDistance) best = side, bestDistance = distance;
  }
  return best;
}

// A copy of the program's icon, for the image to own.
TIconHandle ApplicationIcon(int dpi) {
  const int side = NearestIconSize(dpi);
  return TIconHandle(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), RESOURCE_NAME(RES_MAIN_ICON), IMAGE_ICON, side, side, 0)));
}

// The banner as a 24-bit bitmap of its own.
TBitmapHandle Banner(int dpi) {
  TBannerImage banner = DrawBanner(dpi);
  void* bits = nullptr;
  // Bottom-up, as drawn.
  TBitmapHandle bitmap(CreateDib(banner.Width, banner.Height, 24, bits, "the About banner could not be made"));
  std::memcpy(bits, banner.Pixels.data(), banner.Pixels.size());
  return bitmap;
}

}  // namespace

TFAbout::TFAbout(TComponent* owner, TMemorySource memory) : TForm(owner), FMemory(std::move(memory)) {}

void TFAbout::AfterConstruction() {
  LoadLayout(RESOURCE_NAME(RES_ABOUT_LAYOUT));
  HandleNeeded();
  Button1 = &Find<TButton>(L"Button1");
  Image1 = &Find<TImage>(L"Image1");
  lblPhysMem = &Find<TLabel>(L"lblPhysMem");
  lblPhysRes = &Find<TLabel>(L"lblPhysRes");
  Line1 = &Find<TLine>(L"Line1");
  Line2 = &Find<TLine>(L"Line2");
  Label1 = &Find<TLabel>(L"Label1");
  Label2 = &Find<TLabel>(L"Label2");
  Label3 = &Find<TLabel>(L"Label3");
  FImage = &Find<TImage>(L"FImage");
  Button1->OnClick = [this](TComponent* sender) { Button1Click(sender); };
  FormCreate();
}

TComponent* TFAbout::CreateComponent(const std::string& className) {
  if (className == "TLine") return &Create<TLine>(*this);
  return TForm::CreateComponent(className);
}

void TFAbout::ShowPictures() {
  Image1->SetBitmap(Banner(Dpi()));
  FImage->SetIcon(ApplicationIcon(Dpi()));
}

void TFAbout::DpiApplied() { ShowPictures(); }

void TFAbout::FormCreate() {
  ShowPictures();
  Application().Beep(0);
  const TMemoryFigures memory = FMemory();
  lblPhysMem->SetText(
      FormatText(IDS_PHYSICAL_MEMORY, {Widen(PhysicalMemoryKo(memory.TotalPhysBytes, Narrow(ThousandSeparator())))}));
  lblPhysRes->SetText(FormatText(IDS_FREE_RESOURCES, {DecimalText(FreeMemoryPercent(memory.MemoryLoad))}));
}

void TFAbout::Button1Click(TComponent*) { Close(); }
