#pragma once
// The card shown beside a deck option, read out of the resource archive into
// memory (nothing is written to disk), its magenta corners made transparent
// as they are in the game.

#include <string>
#include <string_view>

#include "resources/tor_pak.h"
#include "startup/gtk_owners.h"

namespace verlano {

// The picture of entry `entryName` (padding ignored); null with a reason when
// the entry is missing or is no picture GTK can read.
OwnedPixbuf LoadDeckPreview(const torPAK& pak, std::string_view entryName, std::string& error);

}  // namespace verlano
