#include "startup/play_button.h"

#include <iostream>
#include <memory>

#include "resources/resource_path.h"
#include "resources/unpack.h"
#include "startup/table_start.h"

namespace verlano {

int PressPlay(StartupDialog& dialog, const DialogState& chosen, const std::string& resPath) {
  const Options options = OptionsFromDialog(chosen);
  Settings settings;
  settings.ResPath = resPath;
  Layout layout;
  ApplyOptions(options, settings, layout);

  auto unpacked =
      std::make_shared<const UnpackResult>(UnpackResources(settings.ResPath, settings.ArchiveName));
  for (const std::string& note : unpacked->notes) std::cerr << "verlano: " << note << '\n';
  if (!unpacked->ok) {
    std::cerr << "verlano: " << unpacked->error << '\n';
    dialog.ShowError(unpacked->error);
    return 1;
  }
  dialog.Close();

  ResourceFolder folder{
      [root = unpacked->resourceRoot](std::string_view gamePath) {
        return ResolveResourcePath(root, gamePath);
      },
      [unpacked] { RemoveResources(*unpacked); },
  };
  return StartTable(options, std::move(folder));
}

}  // namespace verlano
