#include "About.h"

#include <exception>
#include <memory>

#include "AboutForm.h"
#include "Application.h"
#include "LayoutValues.h"
#include "TextCapacity.h"
#include "Texts.h"
#include "resource.h"

TAboutBox::TAboutBox(TComponent* owner) : TComponent(owner), FCopyright(LoadText(IDS_MAKERS_NOTICE)) {}

std::wstring TAboutBox::Capped(std::wstring_view text) {
  return std::wstring(text.substr(0, PrefixOfCharacters(text, kTextCapacity)));
}

void TAboutBox::Execute() {
  // A new dialog for each showing, held here for its length only.
  std::unique_ptr<TFAbout> dialog;
  try {
    dialog = TForm::New<TFAbout>(nullptr, FMemory);
  } catch (const std::exception&) {
    Application().Beep(0);
    return;
  }
  dialog->Label1->SetText(FProductName);
  dialog->Label2->SetText(FVersion);
  dialog->Label3->SetText(FCopyright);
  // The dialog goes when this returns, also when showing it throws.
  dialog->ShowModal();
}

bool TAboutBox::ReadProperty(const std::string& name, const layout::Value& value) {
  if (name == "ProductName") SetProductName(AsText(value));
  else if (name == "Version") SetVersion(AsText(value));
  else if (name == "Copyright") SetCopyright(AsText(value));
  else return TComponent::ReadProperty(name, value);
  return true;
}
