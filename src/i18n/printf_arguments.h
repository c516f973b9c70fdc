#pragma once
// The arguments a printf pattern reads, so that a translated pattern is used
// only when it reads exactly what its English reads: a catalogue whose
// translation adds a `%s` or holds a `%n` would otherwise crash the program
// that fills it in. Header-only and cheap, as `_` asks it about every
// translation with a '%' in it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace verlano {

// One code per argument, in argument order: the length modifier and the kind
// read ("d", "ld", "u", "zu", "f", "Lf", "c", "s", "p"). `valid` is false for a
// pattern printf could misread or be made to write too much with: `%n`, an
// unknown or unfinished conversion, positional and plain conversions mixed,
// one argument read as two kinds or one left out, a width or precision over
// kLargestPrintfWidth, an argument number over kMostPrintfArguments.
struct PrintfArguments {
  std::vector<std::string> kinds;
  bool valid = true;
};

inline constexpr std::size_t kMostPrintfArguments = 64;
inline constexpr std::size_t kLargestPrintfWidth = 999;

namespace printf_reading {

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads a pattern one conversion at a time; `%%` is a plain '%'.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  PrintfArguments Read() {
    for (std::size_t at = text_.find('%'); at != std::string_view::npos && read_.valid;
         at = text_.find('%', at)) {
      ++at;
      if (At(at) == '%') {
        ++at;
        continue;
      }
      Conversion(at);
    }
    for (const std::string& kind : read_.kinds) {
      if (kind.empty()) read_.valid = false;
    }
    return read_;
  }

 private:
  char At(std::size_t at) const { return at < text_.size() ? text_[at] : '\0'; }

  // The digits at `at`, as a number capped just past `cap`; `at` moves past them.
  std::size_t Number(std::size_t& at, std::size_t cap) const {
    std::size_t number = 0;
    for (; IsDigit(At(at)); ++at) {
      if (number <= cap) number = number * 10 + static_cast<std::size_t>(At(at) - '0');
    }
    return number;
  }

  // "N$" at `at` gives N and moves past it; otherwise 0 and `at` stays.
  std::size_t Position(std::size_t& at) const {
    std::size_t end = at;
    const std::size_t number = Number(end, kMostPrintfArguments);
    if (number == 0 || At(end) != '$') return 0;
    at = end + 1;
    return number;
  }

  // A width or precision: digits, or `*` (`*N$` in a positional pattern),
  // which reads an int argument.
  void Amount(std::size_t& at) {
    if (At(at) == '*') {
      ++at;
      const std::size_t position = Position(at);
      Take(position, "d");
    } else if (Number(at, kLargestPrintfWidth) > kLargestPrintfWidth) {
      read_.valid = false;
    }
  }

  // `%[N$][flags][width][.precision][length]kind`, from just past the '%'.
  void Conversion(std::size_t& at) {
    const std::size_t position = Position(at);
    while (std::string_view("-+ #0'I").find(At(at)) != std::string_view::npos) ++at;
    Amount(at);
    if (At(at) == '.') Amount(++at);
    std::string kind = Length(at);
    // Each conversion letter and the kind of argument it reads, one under the other.
    constexpr std::string_view kLetters = "diouxXeEfFgGaAcsp";
    constexpr std::string_view kKinds = "dduuuuffffffffcsp";
    const std::size_t letter = kLetters.find(At(at++));
    if (letter == std::string_view::npos) {  // %n, an unknown letter or the text's end
      read_.valid = false;
      return;
    }
    Take(position, kind + kKinds[letter]);
  }

  // The length modifier at `at`, spelt one way ("q" is "ll", "Z" is "z").
  std::string Length(std::size_t& at) const {
    const char c = At(at);
    if ((c == 'h' || c == 'l') && At(at + 1) == c) {
      at += 2;
      return {c, c};
    }
    if (std::string_view("hlLjztqZ").find(c) == std::string_view::npos) return {};
    ++at;
    return c == 'q' ? "ll" : c == 'Z' ? "z" : std::string{c};
  }

  // Argument `position` (the next one when 0) is read as `kind`.
  void Take(std::size_t position, const std::string& kind) {
    const Mode mode = position == 0 ? Mode::kPlain : Mode::kPositional;
    if (mode_ != Mode::kUnknown && mode_ != mode) read_.valid = false;
    mode_ = mode;
    const std::size_t index = position == 0 ? next_++ : position - 1;
    if (index >= kMostPrintfArguments) {
      read_.valid = false;
      return;
    }
    if (index >= read_.kinds.size()) read_.kinds.resize(index + 1);
    std::string& slot = read_.kinds[index];
    if (!slot.empty() && slot != kind) read_.valid = false;
    slot = kind;
  }

  enum class Mode { kUnknown, kPlain, kPositional };

  std::string_view text_;
  PrintfArguments read_;
  Mode mode_ = Mode::kUnknown;
  std::size_t next_ = 0;
};

}  // namespace printf_reading

inline PrintfArguments ReadPrintfArguments(std::string_view pattern) {
  return printf_reading::Reader(pattern).Read();
}

// A translation may stand in for `english` in printf: both valid patterns
// reading the same arguments as the same kinds (a translation may reorder
// them with "%2$s ... %1$s").
inline bool SameConversions(std::string_view english, std::string_view translation) {
  const PrintfArguments wanted = ReadPrintfArguments(english);
  const PrintfArguments read = ReadPrintfArguments(translation);
  return wanted.valid && read.valid && wanted.kinds == read.kinds;
}

}  // namespace verlano
