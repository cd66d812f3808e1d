#pragma once
// Forms: top-level windows built from stored layouts, shown modeless or modal.
//
// A form and its density, in the order things happen:
//   1. its layout is read, at 96 DPI: every control gets its design bounds;
//   2. its components are bound and its creation handler runs (New), still
//      at 96 DPI unless its window was made in between;
//   3. its window is made, then put at its screen's density (ApplyDpi);
//   4. a move to a screen of another density (WM_DPICHANGED) applies that
//      one;
//   5. after 3 or 4, once the form is whole (the end of New), its hook
//      DpiApplied runs for what the form draws itself at a density.
// ApplyDpi is the one way a density reaches the form and its controls: each
// length is its design value scaled (see TControl), never a rescaling of
// the pixels before.

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
    static_cast<TForm&>(*form).Build();
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
  // The form at a density: its controls, then its own size, the design size
  // scaled (the client area's for a form whose layout gives one), where the
  // window stands; then its hook.
  void ApplyDpi(int dpi) override;

  bool ReadProperty(const std::string& name, const layout::Value& value) override;

 protected:
  // The second phase of New, once the object is whole.
  virtual void AfterConstruction() {}
  // Creates a component named in a layout; forms with components of their own
  // kinds extend it.
  virtual TComponent* CreateComponent(const std::string& className);
  // After the form took a new density (see the order above): what it draws
  // itself at a density. Never before the form is whole.
  virtual void DpiApplied() {}
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // A size the player or the program gave the window becomes its design size.
  void Resized() override;

 private:
  // Handlers of its messages (the handler table calls them).
  LRESULT WMClose(const TMessage& m) override;
  LRESULT WMCommand(const TMessage& m) override;
  LRESULT WMActivate(const TMessage& m) override;
  LRESULT WMDestroy(const TMessage& m) override;
  LRESULT WMNcLButtonDblClk(const TMessage& m) override;
  LRESULT WMDpiChanged(const TMessage& m) override;

  void LoadChildren(const layout::Node& node, TComponent& parentComponent, TWinControl& parentControl);
  void ReadComponent(TComponent& component, const layout::Node& node);
  void FocusFirstControl();
  void ApplyCentering();
  void ReadBorderIcons(const layout::Value& value);
  void ShowIcons();
  // The window styles of the form's frame.
  void FrameStyles(DWORD& style, DWORD& exStyle) const;
  // The window's client area at its design size, scaled to the form's
  // density; the frame is the one the window has.
  void PlaceAtDesignSize();
  // The second phase of New; the form is whole after it.
  void Build();
  void RunDpiHook();

  TMainMenu* FMenu = nullptr;
  std::string FMenuName;
  TPosition FPosition = TPosition::Designed;
  TBorderStyle FBorderStyle = TBorderStyle::Sizeable;
  bool FMinimizeBox = true, FMaximizeBox = true, FSystemMenu = true;
  // The form's size at 96 DPI is its client area's: the layout's, or the one
  // its window has when it is made at the layout's outer size (-1 until then).
  int FClientWidth = -1, FClientHeight = -1;
  int FDpi = kDesignDpi;
  int FHookedDpi = kDesignDpi;  // the density the hook last ran for
  bool FWhole = false;          // New has built it
  bool FPlacing = false;        // sizes from the design, not to be taken as one
  bool FModal = false;
  int FModalResult = mrNone;
  HWND FLastFocus = nullptr;
};
