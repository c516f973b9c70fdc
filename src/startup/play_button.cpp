#include "startup/play_button.h"

#include <iostream>
#include <memory>

#include "game/game_run.h"
#include "i18n/translate.h"
#include "platform/quit_signal.h"
#include "resources/locked_unpack.h"
#include "resources/resource_path.h"
#include "startup/table_start.h"

namespace verlano {

namespace {

// The unpacked files go, and the next copy of the game may unpack; anything
// that could not be removed is said.
void RemoveAndReport(LockedUnpack& unpacked) {
  for (const std::string& left : unpacked.Remove().leftInPlace) {
    std::cerr << "verlano: " << left << '\n';
  }
}

// The unpack of this run while its files may be on disk, for a way out that
// cannot unwind (the display lost).
std::weak_ptr<LockedUnpack> currentUnpack;

}  // namespace

void RemoveUnpackedNow() {
  if (const std::shared_ptr<LockedUnpack> unpacked = currentUnpack.lock()) {
    RemoveAndReport(*unpacked);
  }
}

int PressPlay(StartupDialog& dialog, const Options& options, const std::string& resPath,
              RunStart start) {
  Settings settings;
  settings.ResPath = resPath;
  Layout layout;
  ApplyOptions(options, settings, layout);

  // Another copy of the game unpacking from this folder is waited for, with
  // the dialog still answering Exit.
  auto unpacked = std::make_shared<LockedUnpack>(
      settings.ResPath, settings.ArchiveName, [&dialog](const std::function<bool()>& tryTake) {
        std::cerr << "verlano: "
                  << _("another copy of the game is loading from this folder; waiting for it "
                       "(Exit gives up)")
                  << '\n';
        return dialog.WaitForLock(tryTake);
      });
  currentUnpack = unpacked;
  if (unpacked->GaveUp()) return 0;
  const UnpackResult& result = unpacked->Result();
  for (const std::string& note : result.notes) std::cerr << "verlano: " << note << '\n';
  if (!result.ok) {
    std::cerr << "verlano: " << result.error << '\n';
    dialog.ShowError(result.error);
    return 1;
  }
  // Ended while unpacking: the unpack finished and is removed on the way out.
  if (QuitSignalReceived() != 0) {
    RemoveAndReport(*unpacked);
    return 0;
  }
  dialog.Close();

  ResourceFolder folder{
      [root = result.resourceRoot](std::string_view gamePath) {
        return ResolveResourcePath(root, gamePath);
      },
      [unpacked] { RemoveAndReport(*unpacked); },
      [unpacked](const std::string& file) { return EntryOrigin(unpacked->Result(), file); },
  };
  return StartTable(options, std::move(folder), std::move(start));
}

}  // namespace verlano
