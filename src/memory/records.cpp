#include "memory/records.h"

#include "memory/shown_text.h"

namespace verlano {

namespace {

// A file's bytes quoted in a reason: short, and escaped.
constexpr std::size_t kQuoted = 40;

// The next space-separated word of `line`, taken off its front.
std::string_view NextWord(std::string_view& line) {
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  const std::size_t end = line.find(' ');
  const std::string_view word = line.substr(0, end);
  line.remove_prefix(end == std::string_view::npos ? line.size() : end);
  return word;
}

}  // namespace

RecordWriter::RecordWriter(std::string_view header) : text_(header) {}

void RecordWriter::Line(std::string_view name, std::string_view fields) {
  text_ += '\n';
  text_ += name;
  text_ += fields;
}

std::string RecordWriter::Finish() {
  return text_ + "\nend\n";
}

const RecordFields& Records::Need(std::string_view name) const {
  if (const RecordFields* fields = Find(name)) return *fields;
  throw RecordError("it has no '" + std::string(name) + "' line");
}

const RecordFields* Records::Find(std::string_view name) const {
  const auto it = lines.find(name);
  return it == lines.end() ? nullptr : &it->second;
}

Records ParseRecords(std::string_view text, std::string_view header, bool needEnd) {
  Records records;
  bool first = true;
  bool ended = false;
  int number = 0;
  while (!text.empty()) {
    const std::size_t cut = text.find('\n');
    std::string_view line = text.substr(0, cut);
    text.remove_prefix(cut == std::string_view::npos ? text.size() : cut + 1);
    ++number;
    const std::string at = "line " + std::to_string(number) + " ";
    if (first) {
      if (line != header) {
        throw RecordError("it does not begin with '" + std::string(header) + "' (another file, " +
                          "or another version of the game's): '" + Shown(line, kQuoted) + "'");
      }
      first = false;
      continue;
    }
    if (ended) throw RecordError(at + "follows the 'end' line");
    if (line == "end") {
      ended = true;
      continue;
    }
    if (line.empty() || line.front() == '#') continue;
    const std::string name(NextWord(line));
    if (records.lines.contains(name))
      throw RecordError(at + "repeats '" + Shown(name, kQuoted) + "'");
    RecordFields& fields = records.lines[name];
    for (std::string_view word = NextWord(line); !word.empty(); word = NextWord(line)) {
      const std::size_t eq = word.find('=');
      if (eq == std::string_view::npos || eq == 0) {
        throw RecordError(at + "has '" + Shown(word, kQuoted) + "' where key=value belongs");
      }
      const auto [it, added] = fields.emplace(word.substr(0, eq), word.substr(eq + 1));
      if (!added) throw RecordError(at + "gives '" + Shown(it->first, kQuoted) + "' twice");
    }
  }
  if (first) throw RecordError("it is empty");
  if (needEnd && !ended) throw RecordError("it is cut short (no 'end' line)");
  return records;
}

}  // namespace verlano
