#include "memory/match_file.h"

#include <gtest/gtest.h>

#include "memory/match_text.h"
#include "memory/quiet_game.h"

namespace verlano {
namespace {

using test::FieldOf;
using test::Inserted;
using test::Refusal;
using test::WithField;

class MatchFile : public ::testing::Test {
 protected:
  void SetUp() override {
    Options options;
    options.variant = Variant::Romane;
    options.opponents = PlayerLevel::Expert;
    game_ = std::make_unique<Game>(options, 41);
    test::PlayToQuietMoment(*game_);
    text_ = WriteMatch(*game_);
  }
  std::unique_ptr<Game> game_;
  std::string text_;
};

TEST_F(MatchFile, ALoadedMatchIsTheMatchKept) {
  Game fresh(MatchOptions(text_), 0);
  ReadMatch(text_, fresh);
  EXPECT_EQ(WriteMatch(fresh), text_);
  // The generator goes on where it was, and so do the expert's searches.
  EXPECT_EQ(fresh.rng.Rnd(), game_->rng.Rnd());
  EXPECT_EQ(fresh.searchSeed, game_->searchSeed);
  EXPECT_EQ(fresh.settings.Rules.Choice, Variant::Romane);
  EXPECT_EQ(fresh.settings.OpponentsLevel, PlayerLevel::Expert);
  // Readable: the hands are lists of cards, and a fresh sprite takes no line.
  EXPECT_NE(text_.find("\nseat.0 count=10 cards="), std::string::npos) << text_;
  EXPECT_EQ(text_.find("\ndeck.52"), std::string::npos);
}

// The result keeps the words files always had: a won or lost match on the
// "random" line (it stays into the next match's first hand, as here), a tie
// above the target as the "match" line's flag, only ever at a hand's end.
TEST_F(MatchFile, TheResultKeepsItsWords) {
  EXPECT_EQ(FieldOf(text_, "random", "result"), "none");
  EXPECT_EQ(FieldOf(text_, "match", "tie-over-target"), "0");
  for (const auto& [word, result] :
       {std::pair{"won", MatchResult::Won}, {"lost", MatchResult::Lost}}) {
    const std::string text = WithField(text_, "random", "result", word);
    Game fresh(MatchOptions(text), 0);
    ReadMatch(text, fresh);
    EXPECT_EQ(fresh.match.Result, result) << word;
    EXPECT_EQ(WriteMatch(fresh), text) << word;
  }
  EXPECT_NE(Refusal(WithField(text_, "match", "tie-over-target", "1")).find("tie above the target"),
            std::string::npos);
  EXPECT_NE(Refusal(WithField(text_, "random", "result", "tie")).find("(none, won, lost)"),
            std::string::npos);
}

TEST_F(MatchFile, EveryKindOfDamageIsRefusedWithItsReason) {
  const std::string seat0First = FieldOf(text_, "seat.0", "cards").substr(0, 2);
  std::string seat1 = FieldOf(text_, "seat.1", "cards");
  const std::string twice = seat0First + seat1.substr(seat1.find(','));
  const struct {
    const char* what;
    std::string text;
    const char* reason;
  } cases[] = {
      {"empty", "", "it is empty"},
      {"another version", "verlano-match 2" + text_.substr(text_.find('\n')),
       "does not begin with"},
      {"not a match file", "\x89PNG\r\n", "does not begin with"},
      {"cut short", text_.substr(0, text_.rfind('\n', text_.size() / 2) + 1), "cut short"},
      // Cut inside the turn's line, just after "seat=": a value left half-written.
      {"cut in a line", text_.substr(0, text_.find("seat=", text_.find("\nturn ")) + 5) + "\nend\n",
       "line has seat="},
      {"a card twice", WithField(text_, "seat.1", "cards", twice), "twice"},
      {"41 cards",
       WithField(WithField(text_, "seat.0", "count", "11"), "seat.0", "cards",
                 FieldOf(text_, "seat.0", "cards") + ",7D"),
       "twice"},
      {"a card out of the pack",
       WithField(text_, "seat.1", "cards", "8C" + seat1.substr(seat1.find(','))),
       "not in the pack"},
      {"a seat out of range", WithField(text_, "turn", "seat", "7"), "seat=7 (from 0 to 3)"},
      {"an unknown state", WithField(text_, "turn", "state", "DANCING"),
       "one of the 18 play states"},
      {"a state that is not quiet", WithField(text_, "turn", "state", "DEAL_2"), "quiet moment"},
      {"a count past its array", WithField(text_, "piles", "table-count", "99"), "table-count=99"},
      {"an unknown key", WithField(text_, "turn", "seat", "0 colour=red"), "unknown key 'colour'"},
      {"a line after the end", text_ + "turn seat=0\n", "follows the 'end' line"},
      {"a line twice", text_.substr(0, text_.size() - 4) + "turn seat=0\nend\n", "repeats 'turn'"},
      {"a sprite at no card", WithField(text_, "hand.0.0", "card", "-"), "a card such as 7D"},
      {"a flag neither 0 nor 1", Inserted(text_, "hand.0.0", "chosen=2"), "chosen=2 (0 or 1)"},
  };
  for (const auto& c : cases) {
    const std::string why = Refusal(c.text);
    EXPECT_FALSE(why.empty()) << c.what;
    EXPECT_NE(why.find(c.reason), std::string::npos) << c.what << ": " << why;
    EXPECT_EQ(why.find('\n'), std::string::npos) << c.what << ": one line";
  }
}

}  // namespace
}  // namespace verlano
