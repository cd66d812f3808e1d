#include "AboutForm.h"

#include "Application.h"
#include "Strings.h"
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
  return TIconHandle(
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 32, 32, 0)));
}

}  // namespace

TFAbout::TFAbout(TComponent* owner, TMemorySource memory)
    : TForm(owner),
      Button1((LoadLayout(LAYOUT_ABOUTFORM), Find<TButton>(L"Button1"))),
      Image1(Find<TImage>(L"Image1")),
      lblPhysMem(Find<TLabel>(L"lblPhysMem")),
      lblPhysRes(Find<TLabel>(L"lblPhysRes")),
      Line1(Find<TLine>(L"Line1")),
      Line2(Find<TLine>(L"Line2")),
      Label1(Find<TLabel>(L"Label1")),
      Label2(Find<TLabel>(L"Label2")),
      Label3(Find<TLabel>(L"Label3")),
      FImage(Find<TImage>(L"FImage")),
      FMemory(std::move(memory)) {
  Button1.OnClick = [this](TComponent* sender) { Button1Click(sender); };
  FormCreate();
}

TComponent* TFAbout::CreateComponent(const std::string& className) {
  if (className == "TLine") return &Create<TLine>(*this);
  return TForm::CreateComponent(className);
}

void TFAbout::FormCreate() {
  FImage.SetIcon(ApplicationIcon());
  Application().Beep(0);
  const TMemoryFigures memory = FMemory();
  lblPhysMem.SetText(Widen(PhysicalMemoryLine(memory.TotalPhysBytes, Narrow(ThousandSeparator()))));
  lblPhysRes.SetText(Widen(FreeResourcesLine(memory.MemoryLoad)));
}

void TFAbout::Button1Click(TComponent*) { Close(); }
