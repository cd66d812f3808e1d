#include "AboutForm.h"

#include "Application.h"
#include "Strings.h"
#include "Texts.h"
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

TBitmapHandle Banner() {
  return TBitmapHandle(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), RESOURCE_NAME(RES_ABOUT_BANNER),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace

TFAbout::TFAbout(TComponent* owner, TMemorySource memory) : TForm(owner), FMemory(std::move(memory)) {}

void TFAbout::AfterConstruction() {
  LoadLayout(RESOURCE_NAME(RES_ABOUT_LAYOUT));
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
  lblPhysRes->SetText(FormatText(IDS_FREE_RESOURCES, {std::to_wstring(FreeMemoryPercent(memory.MemoryLoad))}));
}

void TFAbout::Button1Click(TComponent*) { Close(); }
