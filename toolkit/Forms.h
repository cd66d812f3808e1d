#pragma once
// Forms: top-level windows built from stored layouts, shown modeless or modal.

#include <memory>
#include <string>
#include <string_view>

#include "Control.h"
#include "Graphics.h"
#include "Scale.h"

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

  // Layouts hold pixels at 96 DPI; a form is shown at its screen's density,
  // every bound, font and picture scaled by DPI / 96.
  int Dpi() const override { return FDpi; }
  // The outer size that a window of this form's frame and `outer` size at
  // fromDpi has at toDpi: its client area scaled, its frame as the system
  // draws it at toDpi.
  SIZE OuterSizeAt(SIZE outer, int fromDpi, int toDpi) const;
  // Rescales the form and its controls to a density; a suggested window
  // rectangle (the system's, on a move between screens) is taken as it is.
  void ScaleTo(int dpi, const RECT* suggested = nullptr);

  bool ReadProperty(const std::string& name, const layout::Value& value) override;

 protected:
  // The second phase of New, once the object is whole.
  virtual void AfterConstruction() {}
  // Creates a component named in a layout; forms with components of their own
  // kinds extend it.
  virtual TComponent* CreateComponent(const std::string& className);
  // After a change of density: what the form lays out or draws itself.
  virtual void DpiChanged() {}
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  LRESULT WMClose(const TMessage& m) override;
  LRESULT WMCommand(const TMessage& m) override;
  LRESULT WMActivate(const TMessage& m) override;
  LRESULT WMDestroy(const TMessage& m) override;
  LRESULT WMNcLButtonDblClk(const TMessage& m) override;
  LRESULT WMDpiChanged(const TMessage& m) override;

 private:
  void LoadChildren(const layout::Node& node, TComponent& parentComponent, TWinControl& parentControl);
  void ReadComponent(TComponent& component, const layout::Node& node);
  void FocusFirstControl();
  void ApplyCentering();
  void ReadBorderIcons(const layout::Value& value);
  void ShowIcons();
  // The window styles of the form's frame.
  void FrameStyles(DWORD& style, DWORD& exStyle) const;

  TMainMenu* FMenu = nullptr;
  std::string FMenuName;
  TPosition FPosition = TPosition::Designed;
  TBorderStyle FBorderStyle = TBorderStyle::Sizeable;
  bool FMinimizeBox = true, FMaximizeBox = true, FSystemMenu = true;
  int FClientWidth = -1, FClientHeight = -1;
  int FDpi = kDesignDpi;
  bool FModal = false;
  int FModalResult = mrNone;
  HWND FLastFocus = nullptr;
};
