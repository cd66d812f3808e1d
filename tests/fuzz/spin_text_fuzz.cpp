// Fuzz target of the spin field's text rules (config/rules/SpinRules).
//
// Input: the field's text, then optionally a NUL byte and up to 13 bytes of
// parameters (MinValue, MaxValue and a step, each 4 bytes little-endian, then
// a flags byte). The text is read as UTF-8, each code point becoming the
// UTF-16 units a Windows wchar_t string holds; a byte that starts no valid
// sequence stands for itself (U+0080 to U+00FF), so any 16-bit unit can be
// reached and seeds stay readable.
//
// Properties:
// - ParseSpinText agrees with an independent reading (the standard library's
//   std::from_chars) of the documented grammar: leading blanks, an optional
//   sign, an optional "$", "x" or "0x" prefix, then digits up to the end, in
//   the signed 32-bit range;
// - ReadSpinValue is that number or MinValue;
// - the decimal form of any value reads back as the same value, and a read
//   value is formatted as the canonical decimal text;
// - ClampSpinValue keeps the value within [MinValue, MaxValue] when
//   MinValue < MaxValue, keeps it when they are equal, and tests the lower
//   bound first otherwise; a clamped value is a fixed point of the clamp;
// - the saturated arithmetic equals the exact result clamped to 32 bits;
// - the typing filter never lets CR, LF or tab through, and with the editor
//   disabled nothing printable nor Backspace.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "SpinRules.h"

namespace {

constexpr std::int64_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();

void AppendUtf16(std::wstring& out, std::uint32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<wchar_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
  }
}

// Lenient UTF-8: well-formed sequences give their code point, any other byte
// itself.
std::wstring WideText(const std::uint8_t* data, std::size_t size) {
  std::wstring out;
  for (std::size_t i = 0; i < size;) {
    const std::uint8_t b = data[i];
    int extra = b >= 0xF0 && b <= 0xF4 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : 0;
    if (b >= 0xF5) extra = 0;
    std::uint32_t cp = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : (b & 0x1F);
    bool ok = extra > 0;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= size || (data[i + k] & 0xC0) != 0x80) ok = false;
      else cp = (cp << 6) | (data[i + k] & 0x3F);
    }
    if (ok && ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
               (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))))
      ok = false;
    if (ok) {
      AppendUtf16(out, cp);
      i += extra + 1;
    } else {
      out += static_cast<wchar_t>(b);
      ++i;
    }
  }
  return out;
}

// The documented grammar, read through std::from_chars.
std::optional<std::int32_t> Reference(const std::wstring& text) {
  // Only ASCII can take part in a number; anything else becomes a byte that
  // matches no rule.
  std::string s;
  for (wchar_t ch : text) s += ch >= 0 && ch < 0x80 ? static_cast<char>(ch) : '\x01';
  std::size_t i = s.find_first_not_of(" \t");
  if (i == std::string::npos) return std::nullopt;
  bool negative = false;
  if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
  int base = 10;
  const std::string rest = s.substr(i);
  std::string digits = rest;
  if (rest.starts_with("$") || rest.starts_with("x") || rest.starts_with("X")) {
    base = 16;
    digits = rest.substr(1);
  } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
    base = 16;
    digits = rest.substr(2);
  }
  if (digits.empty()) return std::nullopt;
  const char* allowed = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
  if (digits.find_first_not_of(allowed) != std::string::npos) return std::nullopt;
  const std::string signedDigits = (negative ? "-" : "") + digits;
  std::int64_t value = 0;
  const auto [end, error] =
      std::from_chars(signedDigits.data(), signedDigits.data() + signedDigits.size(), value, base);
  if (error == std::errc::result_out_of_range) return std::nullopt;
  FUZZ_CHECK(error == std::errc() && end == signedDigits.data() + signedDigits.size());
  if (value < kMin32 || value > kMax32) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t k = 0; k < 4; ++k) v |= static_cast<std::uint32_t>(at + k < bytes.size() ? bytes[at + k] : 0) << (8 * k);
  return static_cast<std::int32_t>(v);
}

std::int32_t Saturated(std::int64_t v) { return static_cast<std::int32_t>(v < kMin32 ? kMin32 : v > kMax32 ? kMax32 : v); }

void CheckClamp(std::int32_t value, std::int32_t minValue, std::int32_t maxValue) {
  const std::int32_t clamped = ClampSpinValue(value, minValue, maxValue);
  if (minValue == maxValue) {
    FUZZ_CHECK(clamped == value);
  } else if (minValue < maxValue) {
    FUZZ_CHECK(clamped >= minValue && clamped <= maxValue);
    FUZZ_CHECK(clamped == (value < minValue ? minValue : value > maxValue ? maxValue : value));
    FUZZ_CHECK(ClampSpinValue(clamped, minValue, maxValue) == clamped);
  } else {
    // Lower bound first: below MinValue gives MinValue, everything else MaxValue.
    FUZZ_CHECK(clamped == (value < minValue ? minValue : maxValue));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto* nul = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
  const std::size_t textSize = nul ? static_cast<std::size_t>(nul - data) : size;
  const std::vector<std::uint8_t> params(nul ? nul + 1 : data + size, data + size);
  const std::wstring text = WideText(data, textSize);
  const std::int32_t minValue = Int32At(params, 0);
  const std::int32_t maxValue = Int32At(params, 4);
  const std::int32_t step = Int32At(params, 8);
  const std::uint8_t flags = params.size() > 12 ? params[12] : 0;

  // Reading.
  const ExactCopy<wchar_t> exact{std::wstring_view(text)};
  const std::optional<std::int32_t> parsed = ParseSpinText(exact.View());
  const std::optional<std::int32_t> expected = Reference(text);
  FUZZ_CHECK(parsed == expected);
  const std::int32_t value = ReadSpinValue(exact.View(), minValue);
  FUZZ_CHECK(value == parsed.value_or(minValue));

  // Writing and reading back.
  const std::wstring formatted = FormatSpinValue(value);
  FUZZ_CHECK(ParseSpinText(formatted) == value);
  FUZZ_CHECK(formatted == std::to_wstring(value));
  for (std::int32_t v : {minValue, maxValue, step}) FUZZ_CHECK(ParseSpinText(FormatSpinValue(v)) == v);

  // What a step does: read, add, clamp, write.
  CheckClamp(value, minValue, maxValue);
  CheckClamp(step, minValue, maxValue);
  FUZZ_CHECK(SaturatedAdd(value, step) == Saturated(std::int64_t{value} + step));
  FUZZ_CHECK(SaturatedSub(value, step) == Saturated(std::int64_t{value} - step));
  const std::int32_t factor = step < 0 ? (step == kMin32 ? 0 : -step) : step;
  FUZZ_CHECK(SaturatedMul(value, factor) == Saturated(std::int64_t{value} * factor));
  const std::int32_t stepped = ClampSpinValue(SaturatedAdd(value, step), minValue, maxValue);
  if (minValue < maxValue) FUZZ_CHECK(stepped >= minValue && stepped <= maxValue);

  // The typing filter, over the text's characters.
  // The locale's decimal separator: the text's first character when it is
  // printable (a locale's separator always is), else '.'.
  const wchar_t separator = !text.empty() && text[0] >= 32 ? text[0] : L'.';
  const bool editorEnabled = (flags & 1) != 0;
  for (wchar_t ch : text) {
    const bool accepted = SpinAcceptsChar(ch, separator, editorEnabled);
    if (ch == L'\r' || ch == L'\n' || ch == L'\t') FUZZ_CHECK(!accepted);
    if (!editorEnabled && (ch >= 32 || ch == L'\b')) FUZZ_CHECK(!accepted);
    if (editorEnabled && ((ch >= L'0' && ch <= L'9') || ch == L'+' || ch == L'-' || ch == separator))
      FUZZ_CHECK(accepted || ch == L'\r' || ch == L'\n' || ch == L'\t');
    if (ch >= 32 && !((ch >= L'0' && ch <= L'9') || ch == L'+' || ch == L'-' || ch == separator))
      FUZZ_CHECK(!accepted);
  }
  return 0;
}
