#pragma once
// Forms: top-level windows built from stored layouts, shown modeless or modal.

#include <string>
#include <string_view>

#include "Control.h"
#include "Graphics.h"

class TMainMenu;

// In the order of their names in layouts.
enum class TPosition { Designed, ScreenCenter };
enum class TBorderStyle { Sizeable, Dialog, Single };

// Modal results. Closing a modal form through its title bar gives mrCancel;
// a modal loop that the program's end cuts short gives mrNone.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // Reads a layout (an RCDATA resource, or its text) and creates the window
  // hidden. Derived forms call it in their first member initialiser, so that
  // the references to their components can be bound right after it; then
  // they attach their handlers and run their creation handler.
  void LoadLayout(const wchar_t* resourceName);
  void LoadLayoutText(std::string_view text);

  void Show();
  void Hide();
  // As the title bar's close box: a modal form ends with mrCancel; the main
  // form ends the application; another form hides.
  void Close();

  int ShowModal();
  bool IsModal() const { return FModal; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int result) { FModalResult = result; }

  void SetClientSize(int width, int height);
  TMainMenu* Menu() const { return FMenu; }

  bool ReadProperty(const std::string& name, const layout::Value& value) override;

 protected:
  // Creates a component named in a layout; forms with components of their own
  // kinds extend it.
  virtual TComponent* CreateComponent(const std::string& className);
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  LRESULT WMClose(const TMessage& m) override;
  LRESULT WMCommand(const TMessage& m) override;
  LRESULT WMActivate(const TMessage& m) override;
  LRESULT WMDestroy(const TMessage& m) override;

 private:
  void LoadChildren(const layout::Node& node, TComponent& parentComponent, TWinControl& parentControl);
  void ReadComponent(TComponent& component, const layout::Node& node);
  void FocusFirstControl();
  void ApplyCentering();
  void ReadBorderIcons(const layout::Value& value);

  TMainMenu* FMenu = nullptr;
  std::string FMenuName;
  std::wstring FIconName;
  TPosition FPosition = TPosition::Designed;
  TBorderStyle FBorderStyle = TBorderStyle::Sizeable;
  bool FMinimizeBox = true, FMaximizeBox = true, FSystemMenu = true;
  int FClientWidth = -1, FClientHeight = -1;
  bool FModal = false;
  int FModalResult = mrNone;
  HWND FLastFocus = nullptr;
};
