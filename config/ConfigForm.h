#pragma once
// The grid configuration dialog: rows, columns and shuffle moves, edited as
// copies of the main window's configuration.

#include <cstdint>
#include "Event.h"

#include "Forms.h"
#include "SpinEdit.h"
#include "StdCtrls.h"

struct TGridConfiguration {
  std::int32_t Rows = 0;
  std::int32_t Cols = 0;
  std::int32_t ShuffleMoves = 0;
};

class TForm2 : public TForm {
 public:
  // The dialog reads the main window's configuration through this.
  using TConfigurationSource = TEvent<TGridConfiguration()>;
  TForm2(TComponent* owner, TConfigurationSource mainWindow);

  // How the dialog ends. « Configurer » applies the values, and so does the
  // close box, whose result is the toolkit's mrCancel, of the same value;
  // « Fermer » keeps the configuration as it was.
  static constexpr int mrKeep = 1;
  static constexpr int mrApply = 2;
  static_assert(mrApply == mrCancel);

  // The components of the stored layout, bound once it is read.
  TSpinEdit* SpinEdit1 = nullptr;
  TSpinEdit* SpinEdit2 = nullptr;
  TSpinEdit* SpinEdit3 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;

  // The three values as the main window takes them, each brought into its
  // field's range: a dialog may end while the focus still sits in a field
  // with a number it has not clamped yet.
  TGridConfiguration Values() const;

  void FormCreate();
  void Button1Click(TComponent* sender);
  void Button2Click(TComponent* sender);
  void SpinEdit2Change(TComponent* sender);

 protected:
  void AfterConstruction() override;
  TComponent* CreateComponent(const std::string& className) override;

 private:
  void FillFromMainWindow();
  TConfigurationSource FMainWindow;
};
