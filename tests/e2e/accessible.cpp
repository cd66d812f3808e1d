// Reads a window's tree as a screen reader does: through Microsoft Active
// Accessibility, from the window's client object down through every child
// (AccessibleChildren), printing one line per object:
//   DEPTH|ROLE|NAME|STATES|CLASS
// ROLE is a fixed word for the MSAA role (pushbutton, text, client...), STATES the flags a reader announces (focusable, focused,
// unavailable, invisible, pressed, read only), CLASS the window class of the
// object when it is a window of its own. Where MSAA gives no object, the line
// comes from the window's text and class instead, with ROLE "window".

#include "accessible.h"

#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Utf8.h"
#include "WindowReader.h"

namespace {

// One COM reference, released on scope exit.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(T* p) : p_(p) {}
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T* Get() const { return p_; }
  T** Out() { return &p_; }
  T* operator->() const { return p_; }

 private:
  T* p_ = nullptr;
};

// A VARIANT cleared on scope exit.
struct Variant {
  VARIANT v;
  Variant() { VariantInit(&v); }
  ~Variant() { VariantClear(&v); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

std::wstring Name(IAccessible* object, const VARIANT& child) {
  BSTR name = nullptr;
  if (FAILED(object->get_accName(child, &name)) || !name) return {};
  std::wstring out(name, SysStringLen(name));
  SysFreeString(name);
  return out;
}

// The role as a fixed word, whatever the platform's language.
std::wstring RoleText(IAccessible* object, const VARIANT& child) {
  Variant role;
  if (FAILED(object->get_accRole(child, &role.v)) || role.v.vt != VT_I4) return L"?";
  static const struct {
    LONG role;
    const wchar_t* word;
  } kRoles[] = {{ROLE_SYSTEM_CLIENT, L"client"},         {ROLE_SYSTEM_WINDOW, L"window"},
                {ROLE_SYSTEM_PUSHBUTTON, L"pushbutton"}, {ROLE_SYSTEM_TEXT, L"text"},
                {ROLE_SYSTEM_STATICTEXT, L"statictext"}, {ROLE_SYSTEM_GROUPING, L"grouping"},
                {ROLE_SYSTEM_STATUSBAR, L"statusbar"},   {ROLE_SYSTEM_SPINBUTTON, L"spinbutton"},
                {ROLE_SYSTEM_GRAPHIC, L"graphic"},       {ROLE_SYSTEM_DIALOG, L"dialog"}};
  for (const auto& r : kRoles)
    if (r.role == role.v.lVal) return r.word;
  return L"role" + std::to_wstring(role.v.lVal);
}

std::string States(IAccessible* object, const VARIANT& child) {
  Variant state;
  if (FAILED(object->get_accState(child, &state.v)) || state.v.vt != VT_I4) return "?";
  static const struct {
    LONG flag;
    const char* name;
  } kFlags[] = {{STATE_SYSTEM_FOCUSABLE, "focusable"},   {STATE_SYSTEM_FOCUSED, "focused"},
                {STATE_SYSTEM_UNAVAILABLE, "unavailable"}, {STATE_SYSTEM_INVISIBLE, "invisible"},
                {STATE_SYSTEM_PRESSED, "pressed"},       {STATE_SYSTEM_READONLY, "readonly"}};
  std::string out;
  for (const auto& f : kFlags)
    if (state.v.lVal & f.flag) out += (out.empty() ? "" : ",") + std::string(f.name);
  return out;
}

void PrintLine(int depth, const std::wstring& role, const std::wstring& name, const std::string& states,
               HWND hwnd) {
  std::printf("%d|%s|%s|%s|%s\n", depth, Utf8(role).c_str(), Utf8(name).c_str(), states.c_str(),
              Utf8(ClassOf(hwnd)).c_str());
}

void Walk(IAccessible* object, int depth);

// The client object of a window: what a reader announces for it.
bool WalkWindow(HWND hwnd, int depth) {
  ComPtr<IAccessible> client;
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(client.Out()))))
    return false;
  Walk(client.Get(), depth);
  return true;
}

// A child is either a simple element of its parent (an integer id) or an
// object of its own: a child window, read through its client object.
void WalkChild(IAccessible* parent, const VARIANT& child, int depth) {
  if (child.vt == VT_DISPATCH && child.pdispVal) {
    ComPtr<IAccessible> object;
    if (FAILED(child.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(object.Out())))) return;
    HWND hwnd = nullptr;
    if (SUCCEEDED(WindowFromAccessibleObject(object.Get(), &hwnd)) && hwnd && WalkWindow(hwnd, depth)) return;
    Walk(object.Get(), depth);
    return;
  }
  if (child.vt != VT_I4) return;
  PrintLine(depth, RoleText(parent, child), Name(parent, child), States(parent, child), nullptr);
}

void Walk(IAccessible* object, int depth) {
  Variant self;
  self.v.vt = VT_I4;
  self.v.lVal = CHILDID_SELF;
  HWND hwnd = nullptr;
  WindowFromAccessibleObject(object, &hwnd);
  PrintLine(depth, RoleText(object, self.v), Name(object, self.v), States(object, self.v), hwnd);
  LONG count = 0;
  if (FAILED(object->get_accChildCount(&count)) || count <= 0 || depth > 8) return;
  std::vector<VARIANT> children(static_cast<size_t>(count));
  LONG got = 0;
  if (FAILED(AccessibleChildren(object, 0, count, children.data(), &got))) return;
  for (LONG i = 0; i < got; ++i) {
    WalkChild(object, children[static_cast<size_t>(i)], depth + 1);
    VariantClear(&children[static_cast<size_t>(i)]);
  }
}

}  // namespace

int PrintAccessibleTree(HWND top) {
  if (!top) return 1;
  if (FAILED(CoInitialize(nullptr))) return 1;
  int result = 0;
  {
    if (!WalkWindow(top, 0)) {
      std::printf("# no MSAA object: window texts and classes\n");
      for (HWND hwnd : Descendants(top))
        PrintLine(1, L"window", TextOf(hwnd), IsWindowVisible(hwnd) ? "" : "invisible", hwnd);
      result = 0;
    }
  }
  CoUninitialize();
  return result;
}
