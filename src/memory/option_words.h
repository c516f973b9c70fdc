#pragma once
// The options of a match as the player's files write them, in the words the
// simulator's command line uses: variant=nine, deck=trent, opponents=expert.
// The settings file lists them through `VisitOptions`, the match file only
// those that decide the play.

#include <array>
#include <string_view>
#include <type_traits>
#include <utility>

#include "rules/settings.h"

namespace verlano {

inline constexpr std::array<std::pair<std::string_view, Variant>, 4> kVariantWords = {{
    {"nine", Variant::Nine},
    {"romane", Variant::Romane},
    {"napoletane", Variant::Napoletane},
    {"umbria", Variant::UmbriaMarche},
}};

inline constexpr std::array<std::pair<std::string_view, DeckChoice>, 3> kDeckWords = {{
    {"trevigiano", DeckChoice::Trevigiano},
    {"trent", DeckChoice::Trentino},
    {"royal", DeckChoice::Royal},
}};

// Weakest first, the words the simulator's levels have; files written when
// only classic and expert were offered read as they did.
inline constexpr std::array<std::pair<std::string_view, PlayerLevel>, 5> kLevelWords = {{
    {"beginner", PlayerLevel::Beginner},
    {"classic", PlayerLevel::Classic},
    {"strong", PlayerLevel::Strong},
    {"expert", PlayerLevel::Expert},
    {"master", PlayerLevel::Master},
}};

// The animation speed as two flags: "slow-animation", which every file has,
// and "fast-animation", which files written before Fast lack (read as 0).
template <typename V, typename O>
void VisitAnimation(V& v, O& o) {
  bool slow = o.animation == AnimationSpeed::Slow;
  bool fast = o.animation == AnimationSpeed::Fast;
  v.Flag("slow-animation", slow);
  v.FlagIfPresent("fast-animation", fast);
  if constexpr (!std::is_const_v<O>) {
    o.animation = fast   ? AnimationSpeed::Fast
                  : slow ? AnimationSpeed::Slow
                         : AnimationSpeed::Normal;
  }
}

// The options that decide the play, all a match file writes.
template <typename V, typename O>
void VisitPlayOptions(V& v, O& o) {
  v.Choice("variant", o.variant, kVariantWords);
  v.Flag("extra-coin-points", o.extraCoinPoints);
  v.Choice("deck", o.deck, kDeckWords);
  VisitAnimation(v, o);
  v.Choice("opponents", o.opponents, kLevelWords);
  v.Choice("partner", o.partner, kLevelWords);
}

// Those and the player's helps, which the settings keep (and older match
// files wrote, so a match file reads them too, and passes them over).
template <typename V, typename O>
void VisitOptions(V& v, O& o) {
  VisitPlayOptions(v, o);
  v.FlagIfPresent("match-my-level", o.matchMyLevel);
  v.Flag("show-hints", o.showHints);
  v.Flag("take-only-capture", o.takeOnlyCapture);
  v.FlagIfPresent("hold-last-table", o.holdLastTable);
  v.FlagIfPresent("allow-take-backs", o.allowTakeBacks);
}

// The word of a variant, as the statistics file and the dialog's offer name it.
std::string_view VariantWord(Variant variant);

}  // namespace verlano
