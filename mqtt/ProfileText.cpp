#include "mqtt/ProfileText.h"

#include <vector>

namespace quorvane {

namespace {

constexpr std::string_view kNewLine = "\r\n";

// One line of the file: its text without line end, and where the whole line (with its end)
// lies in the file.
struct Line {
  std::string_view text;
  size_t begin;
  size_t end;
};

std::vector<Line> LinesOf(std::string_view file) {
  std::vector<Line> lines;
  size_t begin = 0;
  while (begin < file.size()) {
    size_t newline = file.find('\n', begin);
    const size_t end = newline == std::string_view::npos ? file.size() : newline + 1;
    std::string_view text =
        file.substr(begin, (newline == std::string_view::npos ? end : newline) - begin);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    lines.push_back({text, begin, end});
    begin = end;
  }
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trimmed(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trimmed(line.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line) {
  if (Trimmed(line).starts_with(';')) return std::nullopt;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))};
}

// Where the section's lines are: the header's index and one past its last line.
struct SectionSpan {
  size_t header;
  size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    auto name = SectionName(lines[i].text);
    if (!name || !SameName(*name, section)) continue;
    size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end].text)) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadProfileValue(std::string_view file, std::string_view section,
                                            std::string_view key) {
  const std::vector<Line> lines = LinesOf(file);
  auto span = FindSection(lines, section);
  if (!span) return std::nullopt;
  for (size_t i = span->header + 1; i < span->end; ++i) {
    auto entry = EntryOf(lines[i].text);
    if (!entry || !SameName(entry->key, key)) continue;
    std::string_view value = entry->value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxProfileValueBytes));
  }
  return std::nullopt;
}

std::string WriteProfileValue(std::string_view file, std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::string newLine = std::string(key) + "=" + std::string(value);
  const std::vector<Line> lines = LinesOf(file);
  std::string out(file);
  auto span = FindSection(lines, section);
  if (!span) {
    if (!out.empty() && out.back() != '\n') out += kNewLine;
    return out + "[" + std::string(section) + "]" + std::string(kNewLine) + newLine +
           std::string(kNewLine);
  }
  size_t lastEntry = span->header;
  for (size_t i = span->header + 1; i < span->end; ++i) {
    auto entry = EntryOf(lines[i].text);
    if (!entry) continue;
    if (SameName(entry->key, key)) {
      // Replace the line's text, keep its own line end.
      const size_t textEnd = lines[i].begin + lines[i].text.size();
      return out.replace(lines[i].begin, textEnd - lines[i].begin, newLine);
    }
    lastEntry = i;
  }
  // After the section's last entry, so blank lines before the next section stay where they are.
  const Line& after = lines[lastEntry];
  std::string insert = newLine + std::string(kNewLine);
  size_t at = after.end;
  if (after.end == file.size() && (file.empty() || file.back() != '\n')) {
    insert = std::string(kNewLine) + newLine + std::string(kNewLine);
  }
  return out.insert(at, insert);
}

}  // namespace quorvane
