#include "memory/player_settings.h"

#include "memory/field_io.h"
#include "memory/option_words.h"

namespace verlano {

namespace {

template <typename V, typename S>
void VisitSound(V& v, S& s) {
  v.Int("volume", s.volume, 0, kMaxVolume);
  v.Flag("muted", s.muted);
}

}  // namespace

std::string WriteSettings(const PlayerSettings& settings) {
  RecordWriter out(kSettingsHeader);
  CardTables noCards;
  FieldWriter options(noCards);
  VisitOptions(options, settings.options);
  out.Line("options", options.Text());
  FieldWriter sound(noCards);
  VisitSound(sound, settings);
  out.Line("sound", sound.Text());
  return out.Finish();
}

PlayerSettings ReadSettings(std::string_view text) {
  const Records records = ParseRecords(text, kSettingsHeader, true);
  PlayerSettings settings;
  CardTables noCards;
  if (const RecordFields* fields = records.Find("options")) {
    FieldReader v(*fields, "options", noCards, false);
    VisitOptions(v, settings.options);
  }
  if (const RecordFields* fields = records.Find("sound")) {
    FieldReader v(*fields, "sound", noCards, false);
    VisitSound(v, settings);
  }
  return settings;
}

}  // namespace verlano
