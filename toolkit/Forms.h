#pragma once
// Forms: top-level windows built from stored layouts, shown modeless or modal.

#include <memory>
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
  bool IsForm() const override { return true; }

  // Creates a form of class T and builds it: its layout is read, its
  // components bound and its creation handler run once the object is whole,
  // never from inside a constructor.
  template <class T, class... Args>
  static std::unique_ptr<T> New(Args&&... args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    static_cast<TForm&>(*form).AfterConstruction();
    return form;
  }

  // Reads a layout (an RCDATA resource, or its text): the components, without
  // windows yet; HandleNeeded, or the first showing, makes them, hidden until
  // shown. Forms of the program call it from AfterConstruction, then bind
  // their components, attach their handlers and run their creation handler.
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
  // The second phase of New, once the object is whole.
  virtual void AfterConstruction() {}
  // Creates a component named in a layout; forms with components of their own
  // kinds extend it.
  virtual TComponent* CreateComponent(const std::string& className);
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  LRESULT WMClose(const TMessage& m) override;
  LRESULT WMCommand(const TMessage& m) override;
  LRESULT WMActivate(const TMessage& m) override;
  LRESULT WMDestroy(const TMessage& m) override;
  LRESULT WMNcLButtonDblClk(const TMessage& m) override;

 private:
  void LoadChildren(const layout::Node& node, TComponent& parentComponent, TWinControl& parentControl);
  void ReadComponent(TComponent& component, const layout::Node& node);
  void FocusFirstControl();
  void ApplyCentering();
  void ReadBorderIcons(const layout::Value& value);

  TMainMenu* FMenu = nullptr;
  std::string FMenuName;
  TPosition FPosition = TPosition::Designed;
  TBorderStyle FBorderStyle = TBorderStyle::Sizeable;
  bool FMinimizeBox = true, FMaximizeBox = true, FSystemMenu = true;
  int FClientWidth = -1, FClientHeight = -1;
  bool FModal = false;
  int FModalResult = mrNone;
  HWND FLastFocus = nullptr;
};
