#include "startup/program_folder.h"

#include <filesystem>
#include <system_error>

namespace verlano {

std::string FolderOf(std::string_view programPath) {
  const std::size_t slash = programPath.rfind('/');
  if (slash == std::string_view::npos) return "./";
  return std::string(programPath.substr(0, slash + 1));
}

std::string RunningProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !program.is_absolute()) return {};
  return FolderOf(program.string());
}

}  // namespace verlano
