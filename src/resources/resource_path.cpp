#include "resources/resource_path.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace verlano {

namespace {

namespace fs = std::filesystem;

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The name of the entry of `folder` matching `component`, or the component itself.
std::string MatchInFolder(const fs::path& folder, const std::string& component) {
  std::error_code error;
  if (fs::exists(folder / component, error)) return component;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (SameIgnoringCase(name, component)) return name;
  }
  return component;
}

}  // namespace

std::string ResolveResourcePath(const std::string& root, std::string_view gamePath) {
  fs::path resolved(root);
  std::size_t start = 0;
  while (start <= gamePath.size()) {
    const std::size_t end = std::min(gamePath.find_first_of("\\/", start), gamePath.size());
    const std::string component(gamePath.substr(start, end - start));
    if (!component.empty()) resolved /= MatchInFolder(resolved, component);
    start = end + 1;
  }
  return resolved.string();
}

}  // namespace verlano
