#pragma once
// The text form every file of the player's is kept in: a first line naming
// the file and its version, then one line a record, `NAME key=value ...`, and
// a closing `end` line, so a file cut short is told from a whole one. Plain
// enough to read and mend by hand; nothing in it is trusted until checked.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace verlano {

// What is wrong with a file, said in one line.
class RecordError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RecordWriter {
 public:
  // `header` is the first line, as "verlano-match 1".
  explicit RecordWriter(std::string_view header);
  // `fields` is " key=value" pairs as a FieldWriter makes them.
  void Line(std::string_view name, std::string_view fields);
  std::string Finish();

 private:
  std::string text_;
};

using RecordFields = std::map<std::string, std::string, std::less<>>;

struct Records {
  std::map<std::string, RecordFields, std::less<>> lines;

  // The record's fields; a RecordError when the file has no such line.
  const RecordFields& Need(std::string_view name) const;
  // The record's fields, or none when the line is missing.
  const RecordFields* Find(std::string_view name) const;
};

// Reads the lines after `header`; a RecordError on another header or version,
// a malformed line, a record or key given twice, or (when `needEnd`) a missing
// `end`.
Records ParseRecords(std::string_view text, std::string_view header, bool needEnd);

}  // namespace verlano
