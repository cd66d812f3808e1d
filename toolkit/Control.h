#pragma once
// Controls: a parent and bounds in pixels. Windowed controls own an HWND;
// graphic controls have none and are painted by their parent.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "Component.h"
#include "Event.h"
#include "Graphics.h"

class TWinControl;
class TForm;

enum class TAlign { None, Top, Bottom, Left, Right, Client };
enum class TMouseButton { Left, Right, Middle };

using TNotifyEvent = TEvent<void(TComponent* sender)>;

// A control's bounds at 96 DPI (kDesignDpi), as the stored layouts give them.
struct TDesignBounds {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

// Lengths. A control keeps two sets of bounds: its design bounds, at 96 DPI,
// and its bounds in pixels at its form's density (Left(), Width(), ...),
// which are always the design bounds scaled, ScaleDpi(design, Dpi()), never
// the earlier pixels rescaled: every route between densities ends on the
// same pixels. A layout sets the design bounds; SetBounds takes pixels and
// keeps their value at 96 DPI as the design bounds, for what it changes.
// Controls placed by a formula (aligned ones, auto-sized ones, the spin
// arrows, the tiles' cells) are put in place with Place, which leaves their
// design bounds alone, and redo their formula at each density.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  TControl* AsControl() override { return this; }

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  const TDesignBounds& DesignBounds() const { return FDesign; }
  // Pixels at the control's density; their design value is kept.
  void SetBounds(int left, int top, int width, int height);
  void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
  void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
  // Puts the control at these pixels, its design bounds left as they are:
  // for placement by a formula, which runs again at each density.
  virtual void Place(int left, int top, int width, int height);

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool enabled);

  virtual std::wstring Text() const { return FText; }
  virtual void SetText(std::wstring_view text);

  TAlign Align() const { return FAlign; }

  // The density the control is shown at: its form's.
  virtual int Dpi() const;
  // The control at a density (its form's, which already has it): the design
  // bounds scaled, and whatever else is measured in pixels (fonts, margins,
  // formulas) made anew. The one way a density reaches a control.
  virtual void ApplyDpi(int dpi);

  TNotifyEvent OnClick;
  void Click();

  bool ReadProperty(const std::string& name, const layout::Value& value) override;

  // Graphic controls: painting and mouse input, routed by the parent. Each
  // paint of the parent first lets the control settle its bounds for the
  // paint (PrepareToPaint), then paints it inside the bounds it had when the
  // paint began; Paint itself only draws.
  virtual bool IsWindowed() const { return false; }
  virtual void PrepareToPaint() {}
  virtual void Paint(HDC /*dc*/) const {}
  virtual void MouseDown(TMouseButton, UINT /*keys*/, int /*x*/, int /*y*/) {}
  virtual void MouseMove(UINT /*keys*/, int /*x*/, int /*y*/) {}
  virtual void MouseUp(TMouseButton, UINT /*keys*/, int /*x*/, int /*y*/) {}
  void Invalidate();

 protected:
  // Store new bounds (design and pixels alike: for constructors, before any
  // density) or visibility, without touching any window.
  void StoreBounds(int left, int top, int width, int height);
  // Store the pixels only.
  void StorePixels(int left, int top, int width, int height);
  void StoreVisible(bool visible) { FVisible = visible; }
  void StoreText(std::wstring_view text) { FText.assign(text); }
  bool FLoading = false;

 private:
  friend class TWinControl;
  friend class TForm;
  TWinControl* FParent = nullptr;
  TDesignBounds FDesign;                            // at 96 DPI
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;  // pixels at Dpi()
  bool FVisible = true;
  bool FEnabled = true;
  TAlign FAlign = TAlign::None;
  std::wstring FText;
};

// A control painted by its parent window, with no window of its own.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
  void Place(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
};

struct TCreateParams {
  std::wstring ClassName;  // a system class, or empty for our own class
  DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ExStyle = 0;
  HMENU Menu = nullptr;    // menu, or a child's id
  HWND Parent = nullptr;   // parent window, or owner of a top-level one
  // Whether a system class's window sends its messages through the
  // control's handlers. One that needs none is left alone: subclassing
  // costs a third of the time it takes to make and destroy a control.
  bool Subclass = true;
};

// Keeps a shown window and its children from painting for one scope, then
// paints them all once: many changes, one paint.
class TRedrawLock {
 public:
  explicit TRedrawLock(HWND hwnd);
  ~TRedrawLock();
  TRedrawLock(const TRedrawLock&) = delete;
  TRedrawLock& operator=(const TRedrawLock&) = delete;

 private:
  HWND FWindow;  // null when the window was not shown: nothing to hold back
};

// One window message, as its handler receives it.
struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

// A control with a window. Standard controls (buttons, edits, status bars) are
// subclassed; the others use the toolkit's own window class. Each message the
// toolkit handles has a handler of its own (see the extension points below).
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  bool IsWindowed() const override { return true; }
  TWinControl* AsWinControl() override { return this; }
  virtual bool IsForm() const { return false; }
  HWND Handle() const { return FHandle; }
  // Creates the window (and those of the windowed children) if needed.
  HWND HandleNeeded();
  void DestroyHandle();

  void SetParent(TWinControl* parent) override;
  void Place(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  std::wstring Text() const override;
  void SetText(std::wstring_view text) override;

  bool Focused() const;
  bool CanFocus() const;
  void SetFocus();
  // Puts the window below its siblings.
  void SendToBack();
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool tabStop);

  // The control's own font, or its parent's.
  HFONT Font() const;
  // The description of that font (the default one where none is stored).
  TFontSpec FontSpecInUse() const;

  // The focus came in, went out: raised by the base processing of the
  // focus messages, after the window's own.
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  bool ReadProperty(const std::string& name, const layout::Value& value) override;
  // The font first, then the children, then the control itself, then its
  // aligned children.
  void ApplyDpi(int dpi) override;

  // The object behind a window of our own class, or null.
  static TWinControl* FromHandle(HWND hwnd);
  // The windowed control below this one that has that window, or null.
  TWinControl* FindWindowed(HWND hwnd) const;

  // The graphic child that holds the mouse while a button is down, or null.
  TControl* CaptureControl() const { return FMouseCapture; }

  // Client-area layout of aligned children.
  void AlignControls();

 protected:
  LRESULT DefaultHandler(const TMessage& m) noexcept;
  // The description of a font of the control's own (a new one: the parent's
  // until then), made with the window.
  TFontSpec& FontSpec();

  // Extension points: what a kind of control overrides, besides the public
  // ApplyDpi, Place, SetText, ReadProperty and Loaded, and a graphic
  // control's Paint and mouse methods.
  // - Its window: class, styles and parent before it is made (CreateParams);
  //   what is set up once it exists (CreateWnd).
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // - WM_COMMAND reflected from the parent to the control.
  virtual bool CommandNotify(WORD /*code*/) { return false; }
  // - After the window took a new size.
  virtual void Resized() {}
  // - Paints a window of the toolkit's own class (background already erased).
  virtual void PaintWindow(HDC dc) const;
  // - Its own handling of a message, named after it (WMPaint for WM_PAINT).
  //   The handler table (WndProc) is their only caller; what a handler does
  //   not consume goes on to DefaultHandler, the window's own processing.
  virtual LRESULT WMCommand(const TMessage& m);
  virtual LRESULT WMSetFocus(const TMessage& m);
  virtual LRESULT WMKillFocus(const TMessage& m);
  virtual LRESULT WMPaint(const TMessage& m);
  virtual LRESULT WMNcPaint(const TMessage& m) { return DefaultHandler(m); }
  virtual LRESULT WMNcLButtonDblClk(const TMessage& m) { return DefaultHandler(m); }
  virtual LRESULT WMEraseBkgnd(const TMessage& m) { return DefaultHandler(m); }
  virtual LRESULT WMMouseDown(const TMessage& m);
  virtual LRESULT WMKeyDown(const TMessage& m) { return DefaultHandler(m); }  // also with Alt held
  virtual LRESULT WMChar(const TMessage& m) { return DefaultHandler(m); }
  virtual LRESULT WMGetDlgCode(const TMessage& m) { return DefaultHandler(m); }
  // Paste, cut, clear and undo.
  virtual LRESULT WMEditCommand(const TMessage& m) { return DefaultHandler(m); }
  virtual LRESULT WMClose(const TMessage& m) { return DefaultHandler(m); }
  virtual LRESULT WMActivate(const TMessage& m) { return DefaultHandler(m); }
  virtual LRESULT WMDestroy(const TMessage& m) { return DefaultHandler(m); }
  virtual LRESULT WMDpiChanged(const TMessage& m) { return DefaultHandler(m); }

 private:
  friend class TControl;
  friend class TGraphicControl;
  friend class TApplication;
  // Callbacks of Windows: no exception crosses them.
  static LRESULT CALLBACK OwnWndProc(HWND, UINT, WPARAM, LPARAM) noexcept;
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;
  void CreateHandle(const TCreateParams& params);
  LRESULT Dispatch(const TMessage& m) noexcept;
  LRESULT WndProc(const TMessage& m);
  // The handlers that every control handles alike.
  LRESULT WMSize(const TMessage& m);
  LRESULT WMMove(const TMessage& m);
  LRESULT WMPrintClient(const TMessage& m);
  LRESULT WMMouseMove(const TMessage& m);
  LRESULT WMMouseUp(const TMessage& m);
  LRESULT WMCaptureChanged(const TMessage& m);
  LRESULT WMCtlColor(const TMessage& m);
  LRESULT WMTimer(const TMessage& m);
  void Detach() noexcept;
  void StoreWindowBounds();
  // One paint of the client area: the window's own, then its graphic
  // children. WM_PAINT and WM_PRINTCLIENT share it.
  void PaintClient(HDC dc);
  void PaintGraphicControls(HDC dc);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  TControl* GraphicControlAt(int x, int y) const;

  HWND FHandle = nullptr;
  bool FSubclassed = false;
  bool FTabStop = false;
  std::optional<TFontSpec> FFontSpec;
  TFontHandle FFont;
  std::vector<TControl*> FControls;
  TControl* FMouseCapture = nullptr;
};
