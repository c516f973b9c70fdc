#include "i18n/translate.h"
#include "platform/sdl/sdl_platform.h"
#include "startup/display_loss.h"
#include "startup/error_box.h"
#include "startup/table_start.h"

namespace verlano {

int StartTable(const Options& options, ResourceFolder folder, RunStart start) {
  SdlPlatform platform(
      [](const std::string& message) { ShowErrorBox(nullptr, _("The game has to stop"), message); },
      ExitCleanlyOnDisplayLoss);
  return RunGame(options, std::move(folder), platform, std::move(start));
}

}  // namespace verlano
