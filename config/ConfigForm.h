#pragma once
// The grid configuration dialog: rows, columns and shuffle moves, edited as
// copies of the main window's configuration.

#include <cstdint>
#include <functional>

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
  using TConfigurationSource = std::function<TGridConfiguration()>;
  TForm2(TComponent* owner, TConfigurationSource mainWindow);

  TSpinEdit& SpinEdit1;
  TSpinEdit& SpinEdit2;
  TSpinEdit& SpinEdit3;
  TButton& Button1;
  TButton& Button2;

  // The three values as the main window takes them, each brought into its
  // field's range: a dialog may end while the focus still sits in a field
  // with a number it has not clamped yet.
  TGridConfiguration Values() const;

  void FormCreate();
  void Button1Click(TComponent* sender);
  void Button2Click(TComponent* sender);
  void SpinEdit2Change(TComponent* sender);

 protected:
  TComponent* CreateComponent(const std::string& className) override;

 private:
  void FillFromMainWindow();
  TConfigurationSource FMainWindow;
};
