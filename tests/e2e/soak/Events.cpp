#include "Events.h"

#include <iterator>
#include <utility>

namespace soak {

namespace {

const wchar_t* const kTypedTexts[] = {
    L"3",  L"7",    L"10", L"12", L"0", L"-",      L"+",    L"-0",         L"+5",
    L" ",  L"\x0663", L"a", L"1000", L"99999999999", L"\b", L"\b\b\b", L"\r", L"5\r",
    L"2",  L"9",    L"20", L"1",  L"\x0665\x0660", L".", L",", L"$1F", L"\t",
};

const wchar_t* const kPasteTexts[] = {
    L"$7FFFFFFF", L"-0",  L"+5",   L"  7",  L"7  ", L"\x0663", L"",          L"0x1F",       L"x10",
    L"\r\n5",     L"-2147483648", L"2147483648", L"99999999999", L"4.5", L"1,5", L"-$80000000", L"\t8",
    L"\x05D0\x05D1 7", L"\x0633\x0644\x0627\x0645 12", L"1\x0663\x0665 \x0627\x0644\x0661",
    L"\x0928\x092E\x0938\x094D\x0924\x0947 \x0967\x0968", L"\x0E2A\x0E27\x0E31\x0E2A\x0E14\x0E35 \x0E51",
};
// Where garbage is drawn from: the basic plane but the scripts whose letters
// combine or run right to left (U+0590 to U+1CFF, U+A800 to U+ABFF, U+D800
// and up). Long random mixes of those crash Wine 8's gdi32 as it shapes them,
// in any edit control (a plain EDIT crashes alike); such text comes from the
// chosen texts instead, as words.
constexpr std::pair<std::uint32_t, std::uint32_t> kGarbageRanges[] = {
    {0x20, 0x058F}, {0x1D00, 0x2FFF}, {0x3000, 0x9FFF}, {0xA000, 0xA7FF}, {0xAC00, 0xD7A3}};
constexpr std::uint32_t kPasteKinds = std::size(kPasteTexts) + 3;  // and three made ones

const char* const kKindNames[] = {
    "tile-click", "tile-key",   "main-tab",   "menu-key",    "menu-mouse", "resize",      "help-close",
    "main-close", "field-click", "field-type", "field-paste", "field-clear", "arrow-hold", "dialog-tab",
    "dialog-step", "dialog-key", "dialog-end", "about-end",   "box-end",
};

std::uint32_t Pick(std::mt19937& random, std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random); }

// Index of a weighted choice.
template <std::size_t N>
std::size_t Weighted(std::mt19937& random, const double (&weights)[N]) {
  return std::discrete_distribution<std::size_t>(std::begin(weights), std::end(weights))(random);
}

}  // namespace

std::wstring TypedText(std::uint32_t index) { return kTypedTexts[index % std::size(kTypedTexts)]; }

std::wstring PasteText(std::uint32_t index, std::uint32_t seed) {
  index %= kPasteKinds;
  if (index < std::size(kPasteTexts)) return kPasteTexts[index];
  std::mt19937 random(seed);
  switch (index - std::size(kPasteTexts)) {
    case 0: return std::wstring(10000, L'9');
    case 1: {  // 10,000 digits with a sign somewhere
      std::wstring text(10000, L'0');
      for (auto& c : text) c = static_cast<wchar_t>(L'0' + Pick(random, 10));
      text[Pick(random, 10000)] = L'-';
      return text;
    }
    default: {  // garbage: characters of the basic plane, line breaks and controls
      std::wstring text(1 + Pick(random, 400), L' ');
      for (auto& c : text) {
        const std::uint32_t r = Pick(random, 10);
        if (r < 3) c = static_cast<wchar_t>(L'0' + Pick(random, 10));
        else if (r < 5) c = static_cast<wchar_t>(1 + Pick(random, 31));
        else {
          const auto& [from, to] = kGarbageRanges[Pick(random, std::size(kGarbageRanges))];
          c = static_cast<wchar_t>(from + Pick(random, to - from + 1));
        }
      }
      return text;
    }
  }
}

std::string TEvent::Describe() const {
  std::string text = kKindNames[static_cast<int>(Kind)];
  if (Kind == TKind::MenuKey || Kind == TKind::MenuMouse) return text + " " + kCommands[A % 6].Name;
  return text + " " + std::to_string(A) + " " + std::to_string(B) + " " + std::to_string(C);
}

TScreen ScreenOf(TKind kind) {
  if (kind <= TKind::MainClose) return TScreen::Main;
  if (kind <= TKind::DialogEnd) return TScreen::Dialog;
  return kind == TKind::AboutEnd ? TScreen::About : TScreen::Box;
}

TEvent Generate(std::mt19937& random, TScreen screen, bool helpOpen) {
  TEvent e{TKind::TileClick};
  const std::uint32_t a = random(), b = random(), c = random();
  switch (screen) {
    case TScreen::Main: {
      static const double weights[] = {44, 5, 4, 12, 12, 3, helpOpen ? 3.0 : 0.0, 0.3};
      e.Kind = static_cast<TKind>(Weighted(random, weights));
      if (e.Kind == TKind::TileClick) e = {e.Kind, a, Pick(random, 10) < 7 ? 1u : 0u};
      else if (e.Kind == TKind::TileKey || e.Kind == TKind::MainTab) e.A = a % 2;
      else if (e.Kind == TKind::MenuKey || e.Kind == TKind::MenuMouse) {
        static const double commands[] = {5, 0.15, 5, 3, 0.6, 2};
        e.A = static_cast<std::uint32_t>(Weighted(random, commands));
      } else if (e.Kind == TKind::Resize) {
        e.A = a % 301;
        e.B = b % 301;
      }
      return e;
    }
    case TScreen::Dialog: {
      static const double weights[] = {10, 15, 10, 5, 12, 8, 8, 5, 12};
      e.Kind = static_cast<TKind>(static_cast<int>(TKind::FieldClick) + Weighted(random, weights));
      e.A = a % 3;
      if (e.Kind == TKind::FieldType) e.B = b;
      if (e.Kind == TKind::FieldPaste) e = {e.Kind, a % 3, b % kPasteKinds, c};
      if (e.Kind == TKind::ArrowHold) {
        // Mostly clicks; now and then held into the auto-repeat.
        const std::uint32_t held = Pick(random, 10) < 8 ? Pick(random, 150) : 420 + Pick(random, 250);
        e = {e.Kind, a % 6, held, Pick(random, 10) < 6 ? 0u : 1 + Pick(random, aeCount - 1)};
      }
      if (e.Kind == TKind::DialogTab) e.A = a % 2;
      if (e.Kind == TKind::DialogStep) e.A = a % 4;
      if (e.Kind == TKind::DialogKey) e.A = a % 3;
      if (e.Kind == TKind::DialogEnd) e.A = a % 6;
      return e;
    }
    case TScreen::About: return {TKind::AboutEnd, a % 5};
    case TScreen::Box: return {TKind::BoxEnd, a % 4};
    case TScreen::Gone: break;
  }
  return e;
}

}  // namespace soak
