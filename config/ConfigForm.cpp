#include "ConfigForm.h"

#include "SpinRules.h"
#include "resource.h"

namespace {

std::int32_t InRange(const TSpinEdit& field) { return field.ClampValue(field.Value()); }

}  // namespace

TForm2::TForm2(TComponent* owner, TConfigurationSource mainWindow)
    : TForm(owner), FMainWindow(std::move(mainWindow)) {}

void TForm2::AfterConstruction() {
  // The windows wait for the first showing: the dialog is made at start-up
  // but may never be opened.
  LoadLayout(RESOURCE_NAME(RES_CONFIG_LAYOUT));
  SpinEdit1 = &Find<TSpinEdit>(L"SpinEdit1");
  SpinEdit2 = &Find<TSpinEdit>(L"SpinEdit2");
  SpinEdit3 = &Find<TSpinEdit>(L"SpinEdit3");
  Button1 = &Find<TButton>(L"Button1");
  Button2 = &Find<TButton>(L"Button2");
  // Handlers come after the stored values are in place, so loading ran none.
  Button1->OnClick = [this](TComponent* sender) { Button1Click(sender); };
  Button2->OnClick = [this](TComponent* sender) { Button2Click(sender); };
  SpinEdit2->OnChange = [this](TComponent* sender) { SpinEdit2Change(sender); };
  FormCreate();
}

TComponent* TForm2::CreateComponent(const std::string& className) {
  if (className == "TSpinEdit") return &Create<TSpinEdit>(*this);
  return TForm::CreateComponent(className);
}

void TForm2::FormCreate() { FillFromMainWindow(); }

void TForm2::FillFromMainWindow() {
  const TGridConfiguration config = FMainWindow();
  SpinEdit1->SetValue(config.Rows);
  SpinEdit2->SetValue(config.Cols);  // may derive the moves: overwritten next
  SpinEdit3->SetValue(config.ShuffleMoves);
}

void TForm2::Button1Click(TComponent*) { SetModalResult(mrApply); }

void TForm2::Button2Click(TComponent*) {
  FillFromMainWindow();
  SetModalResult(mrKeep);
}

void TForm2::SpinEdit2Change(TComponent*) {
  const std::int32_t cols = SpinEdit2->Value();
  const std::int32_t rows = SpinEdit1->Value();
  SpinEdit3->SetValue(SaturatedMul(SaturatedMul(cols, rows), 10));
}

TGridConfiguration TForm2::Values() const {
  return {InRange(*SpinEdit1), InRange(*SpinEdit2), InRange(*SpinEdit3)};
}
