#pragma once
// Where an archive's bytes come from: a file on disk, as the game reads its
// resources, or a buffer in memory, as the fuzzer feeds them. The archive
// reader asks a source only for its size and for ranges it has already checked
// against that size, so both kinds go through the same checks.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace verlano {

class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // The whole size in bytes, -1 when it cannot be told.
  virtual std::int64_t Size() const = 0;

  // Copies `length` bytes starting at `offset` into `out`; false when they
  // cannot all be read.
  [[nodiscard]] virtual bool Read(std::int64_t offset, std::size_t length, char* out) const = 0;

  // How messages name the source: the file's path, or "the archive in memory".
  virtual const std::string& Name() const = 0;
};

// Bytes the caller keeps alive for as long as the source is used.
class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
  bool Read(std::int64_t offset, std::size_t length, char* out) const override;
  const std::string& Name() const override { return name_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::string name_ = "the archive in memory";
};

// A regular file opened for reading until the source is destroyed; its size
// is taken once, at opening. Opening never waits: a FIFO or a device in the
// archive's place is refused at once, with the reason in Error(), instead of
// blocking the game before any window shows.
class FileSource : public ByteSource {
 public:
  // `kind` names what the file should be, for the message about a folder:
  // "PATH is a folder, not a PAK archive".
  explicit FileSource(const std::string& path, std::string_view kind = "a file");
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool IsOpen() const { return size_ >= 0; }
  // Why the file could not be opened, empty while it is open.
  const std::string& Error() const { return error_; }
  std::int64_t Size() const override { return size_; }
  bool Read(std::int64_t offset, std::size_t length, char* out) const override;
  const std::string& Name() const override { return path_; }

 private:
  std::string path_;
  std::string error_;
  int fd_ = -1;
  std::int64_t size_ = -1;
};

}  // namespace verlano
