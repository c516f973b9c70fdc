// Pictures read from BMP files: colours converted to RGB565 in the right
// rows, and every damaged or missing file refused with its name.

#include "platform/bmp_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "common/scratch_files.h"
#include "platform/test_media.h"

namespace verlano {
namespace {

using test::Rgb;

std::vector<std::vector<Rgb>> TwoRows() {
  return {{{255, 0, 255}, {255, 0, 0}, {0, 255, 0}}, {{0, 0, 255}, {255, 255, 255}, {0, 0, 0}}};
}

TEST(BmpFile, LoadsPixelsInRgb565TopRowFirst) {
  test::TempDir dir;
  const std::string path = dir / "good.bmp";
  test::WriteFile(path, test::BmpBytes(TwoRows()));
  Surface s;
  std::string error;
  int number = 0;
  ASSERT_TRUE(LoadBmpFile(path, s, error, number)) << error;
  EXPECT_EQ(s.Width, 3);
  EXPECT_EQ(s.Height, 2);
  EXPECT_EQ(s.Pixels, (std::vector<std::uint16_t>{0xF81F, 0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0000}));
  EXPECT_FALSE(s.HasColorKey);

  Surface size;
  ASSERT_TRUE(ReadBmpSize(path, size, error, number)) << error;
  EXPECT_EQ(size.Width, 3);
  EXPECT_EQ(size.Height, 2);
  EXPECT_FALSE(size.HasPixels());
}

TEST(BmpFile, DamagedOrMissingFilesAreRefusedByName) {
  test::TempDir dir;
  const std::vector<std::uint8_t> good = test::BmpBytes(TwoRows());
  struct Case {
    std::string name;
    std::vector<std::uint8_t> bytes;
  };
  // The size alone is refused too: the header claims rows the file lacks.
  const std::vector<Case> cases = {
      {"pixels_cut.bmp", {good.begin(), good.end() - 10}},
      {"header_cut.bmp", {good.begin(), good.begin() + 20}},
      {"empty.bmp", {}},
      {"not_a_bmp.bmp", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0,
                         0,   0,   0,   0,   0,   0,   0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const std::string path = dir / c.name;
    test::WriteFile(path, c.bytes);
    Surface s;
    std::string error;
    int number = 0;
    EXPECT_FALSE(LoadBmpFile(path, s, error, number)) << c.name;
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(number, EINVAL) << c.name << ": it opened, the picture is at fault";
    error.clear();
    EXPECT_FALSE(ReadBmpSize(path, s, error, number)) << c.name;
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(number, EINVAL) << c.name;
  }

  const std::string missing = dir / "missing.bmp";
  Surface s;
  std::string error;
  // Not SDL's "Parameter 'src' is invalid": an entry missing from the archive
  // shows as a missing file.
  const std::string missingSaid = "Cannot read the picture " + missing + ": the file is missing";
  int number = 0;
  EXPECT_FALSE(LoadBmpFile(missing, s, error, number));
  EXPECT_EQ(error, missingSaid);
  EXPECT_EQ(number, ENOENT);
  error.clear();
  EXPECT_FALSE(ReadBmpSize(missing, s, error, number));
  EXPECT_EQ(error, missingSaid);
  EXPECT_EQ(number, ENOENT);
}

}  // namespace
}  // namespace verlano
