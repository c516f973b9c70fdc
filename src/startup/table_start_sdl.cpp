#include "platform/sdl/sdl_platform.h"
#include "startup/table_start.h"

namespace verlano {

int StartTable(const Options& options, ResourceFolder folder) {
  SdlPlatform platform;
  return RunGame(options, std::move(folder), platform);
}

}  // namespace verlano
