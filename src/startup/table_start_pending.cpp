// Built only while the game loop or the SDL platform is missing from the
// tree: the dialog and the unpacking work, and the table says it is not here.
#include <iostream>

#include "startup/table_start.h"

namespace verlano {

int StartTable(const Options&, ResourceFolder folder) {
  folder.Remove();
  std::cerr << "verlano: this build has no game table yet (it needs the game loop and the SDL "
               "platform)\n";
  return 3;
}

}  // namespace verlano
