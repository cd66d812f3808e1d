#include "hh_funcs_text.h"

#include <cstddef>
#include <vector>

namespace {

// Start of every character of text, in order. A lead byte at the very end
// stands alone, as the platform's CharPrev treats it.
std::vector<std::size_t> CharacterStarts(std::string_view text, const TLeadBytePredicate& isLeadByte) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size();) {
    starts.push_back(i);
    const bool wide = isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    i += wide ? 2 : 1;
  }
  return starts;
}

}  // namespace

void StripTrailingChar(std::string& text, char ch, const TLeadBytePredicate& isLeadByte) {
  const std::vector<std::size_t> starts = CharacterStarts(text, isLeadByte);
  std::size_t end = text.size();
  for (auto it = starts.rbegin(); it != starts.rend(); ++it) {
    const bool singleByte = end - *it == 1;
    if (!singleByte || text[*it] != ch) break;
    end = *it;
  }
  text.resize(end);
}

std::string RepeatChar(char ch, int count) {
  return count > 0 ? std::string(static_cast<std::size_t>(count), ch) : std::string();
}

std::string YesNoText(bool value) { return value ? "YES" : "NO"; }

TPathParts SplitFileName(std::string_view fileName, const TLeadBytePredicate& isLeadByte) {
  const std::vector<std::size_t> starts = CharacterStarts(fileName, isLeadByte);
  std::size_t cut = 0;
  for (std::size_t k = 0; k < starts.size(); ++k) {
    const std::size_t i = starts[k];
    const std::size_t next = k + 1 < starts.size() ? starts[k + 1] : fileName.size();
    if (next - i == 1 && (fileName[i] == '\\' || fileName[i] == ':')) cut = next;
  }
  return {std::string(fileName.substr(0, cut)), std::string(fileName.substr(cut))};
}
