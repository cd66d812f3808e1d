#include "AboutForm.h"

#include <cstring>
#include <vector>

#include "Application.h"
#include "Banner.h"
#include "Errors.h"
#include "Strings.h"
#include "Texts.h"
#include "ToolkitTexts.h"
#include "resource.h"

namespace {

// The user's thousands separator, as the memory line groups its digits.
std::wstring ThousandSeparator() {
  wchar_t buffer[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buffer, 8) <= 0) return L" ";
  return buffer;
}

// A copy of the program's icon, at 32 x 32, for the image to own.
TIconHandle ApplicationIcon() {
  return TIconHandle(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), RESOURCE_NAME(RES_MAIN_ICON), IMAGE_ICON, 32, 32, 0)));
}

// The banner as a 24-bit bitmap of its own.
TBitmapHandle Banner() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kBannerWidth;
  info.bmiHeader.biHeight = kBannerHeight;  // bottom-up, as drawn
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  TBitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) throw EUserError(IDS_ERROR_OUT_OF_MEMORY, "the About banner could not be made");
  const std::vector<std::uint8_t> pixels = DrawBanner();
  std::memcpy(bits, pixels.data(), pixels.size());
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

void TFAbout::FormCreate() {
  Image1->SetBitmap(Banner());
  FImage->SetIcon(ApplicationIcon());
  Application().Beep(0);
  const TMemoryFigures memory = FMemory();
  lblPhysMem->SetText(
      FormatText(IDS_PHYSICAL_MEMORY, {Widen(PhysicalMemoryKo(memory.TotalPhysBytes, Narrow(ThousandSeparator())))}));
  lblPhysRes->SetText(FormatText(IDS_FREE_RESOURCES, {DecimalText(FreeMemoryPercent(memory.MemoryLoad))}));
}

void TFAbout::Button1Click(TComponent*) { Close(); }
