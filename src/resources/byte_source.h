#pragma once
// Where an archive's bytes come from: a file on disk, as the game reads its
// resources, or a buffer in memory, as the fuzzer feeds them. The archive
// reader asks a source only for its size and for ranges it has already checked
// against that size, so both kinds go through the same checks.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <span>
#include <string>

namespace verlano {

class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // The whole size in bytes, -1 when it cannot be told.
  virtual std::int64_t Size() const = 0;

  // Copies `length` bytes starting at `offset` into `out`; false when they
  // cannot all be read.
  virtual bool Read(std::int64_t offset, std::size_t length, char* out) const = 0;

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

// A file opened for reading until the source is destroyed; its size is taken
// once, at opening.
class FileSource : public ByteSource {
 public:
  explicit FileSource(const std::string& path);
  bool IsOpen() const { return size_ >= 0; }
  std::int64_t Size() const override { return size_; }
  bool Read(std::int64_t offset, std::size_t length, char* out) const override;
  const std::string& Name() const override { return path_; }

 private:
  std::string path_;
  mutable std::ifstream file_;  // reading moves its position, not the contents
  std::int64_t size_ = -1;
};

}  // namespace verlano
