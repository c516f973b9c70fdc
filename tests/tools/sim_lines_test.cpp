#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "common/scratch_files.h"
#include "rules/game.h"
#include "sim/answers.h"
#include "sim/line_fields.h"
#include "sim/play_arguments.h"

namespace verlano::sim {
namespace {

constexpr std::array<std::string_view, 2> kKnown = {"hand", "table"};

std::string ErrorOf(const Answer& answer) {
  EXPECT_FALSE(answer.ok);
  return answer.text;
}

TEST(LineFields, AnyOrderAndOptionalFields) {
  const LineFields fields("table=AC hand=2C,3C", kKnown);
  EXPECT_EQ(fields.Required("hand"), "2C,3C");
  EXPECT_EQ(fields.Required("table"), "AC");
}

TEST(LineFields, EmptyValueIsGiven) {
  const LineFields fields("hand=", kKnown);
  EXPECT_EQ(fields.Required("hand"), "");
  EXPECT_THROW(fields.Required("table"), LineError);
  EXPECT_EQ(fields.Optional("table"), "");
  EXPECT_TRUE(fields.Has("hand"));
  EXPECT_FALSE(fields.Has("table"));
}

TEST(LineFields, RejectsMalformedFields) {
  EXPECT_THROW(LineFields("hand=AC hand=2C", kKnown), LineError);
  EXPECT_THROW(LineFields("hand=AC deck=2C", kKnown), LineError);
  EXPECT_THROW(LineFields("hand", kKnown), LineError);
  EXPECT_THROW(LineFields("hand=AC  table=", kKnown), LineError);
  EXPECT_THROW(LineFields("hand=AC ", kKnown), LineError);
}

TEST(ParseVariant, MapsEachNameToItsOptions) {
  EXPECT_EQ(ParseVariant("nine").variant, Variant::Nine);
  EXPECT_EQ(ParseVariant("romane").variant, Variant::Romane);
  EXPECT_FALSE(ParseVariant("romane").extraCoinPoints);
  EXPECT_EQ(ParseVariant("romane-extra").variant, Variant::Romane);
  EXPECT_TRUE(ParseVariant("romane-extra").extraCoinPoints);
  EXPECT_EQ(ParseVariant("napoletane").variant, Variant::Napoletane);
  EXPECT_EQ(ParseVariant("umbria").variant, Variant::UmbriaMarche);
  EXPECT_THROW(ParseVariant("Nine"), LineError);
}

TEST(CardLists, ReadsCodesAndRefusesRepeatsAcrossLists) {
  const Game game(Options{}, 0);
  CardLists lists(game.cards);
  EXPECT_EQ(lists.Parse("hand", "7D,KD", 13), (std::vector<int>{kSettebello, kKingOfCoins}));
  EXPECT_THROW(lists.Parse("table", "AC,7D", 31), LineError);
}

TEST(CardLists, RefusesUnknownCardsAndOverfullLists) {
  const Game game(Options{}, 0);
  CardLists lists(game.cards);
  for (const char* bad : {"8C", "10D", "7d", "7", "AC,,2C", "ACE"}) {
    EXPECT_THROW(CardLists(game.cards).Parse("hand", bad, 13), LineError) << bad;
  }
  EXPECT_THROW(lists.Parse("hand", "AC,2C,3C", 2), LineError);
}

TEST(ParsePlayed, ReadsValueCountPairs) {
  const std::array<int, 15> played = ParsePlayed("3:1,10:4");
  EXPECT_EQ(played[3], 1);
  EXPECT_EQ(played[10], 4);
  EXPECT_EQ(played[4], 0);
}

TEST(ParsePlayed, RefusesBadEntries) {
  for (const char* bad : {"0:1", "11:1", "3:5", "3:-1", "3", "3:1,3:2", "x:1", "3:1,"}) {
    EXPECT_THROW(ParsePlayed(bad), LineError) << bad;
  }
}

TEST(AnswerChoose, WorkedExample) {
  const Answer answer =
      AnswerChoose("variant=nine hand=7S,KC table=7D,3H,4S played=3:1,4:1,7:1 out=");
  EXPECT_TRUE(answer.ok);
  EXPECT_EQ(answer.text, "1 2 0 1 254.8000");
}

TEST(AnswerChoose, OutCardsCountAsSeen) {
  // With the seven of coins out, a seven is cheaper to lay than a six.
  const std::string line = "variant=nine hand=6C,7C table=KC played=7:3";
  EXPECT_EQ(AnswerChoose(line).text.substr(0, 4), "0 0 ");
  EXPECT_EQ(AnswerChoose(line + " out=7D").text.substr(0, 4), "1 0 ");
}

TEST(AnswerChoose, RefusesMalformedPositions) {
  EXPECT_EQ(ErrorOf(AnswerChoose("variant=nine hand=AC table=AC")), "error: card 'AC' given twice");
  EXPECT_EQ(ErrorOf(AnswerChoose("variant=nine table=AC")), "error: missing field 'hand'");
  EXPECT_EQ(ErrorOf(AnswerChoose("hand=AC table=")), "error: missing field 'variant'");
  EXPECT_EQ(ErrorOf(AnswerChoose("variant=nine hand= table=AC")).substr(0, 20),
            "error: hand is empty");
  // A hand holds ten cards at most, in every variant.
  const std::string eleven = "AC,AD,AH,AS,2C,2D,2H,2S,3C,3D,3H";
  EXPECT_EQ(ErrorOf(AnswerChoose("variant=nine hand=" + eleven + " table=")),
            "error: hand has 11 cards (at most 10)");
  // The table's seven is among the four played: with the hand's, five sevens.
  EXPECT_EQ(ErrorOf(AnswerChoose("variant=nine hand=7S,KC table=7D played=7:4")),
            "error: played 7:4 and 1 in hand make 5 cards of value 7 (the pack has 4)");
  EXPECT_EQ(ErrorOf(AnswerChoose("variant=nine hand=AC,AD,AH table= played=1:2")),
            "error: played 1:2 and 3 in hand make 5 cards of value 1 (the pack has 4)");
}

TEST(AnswerChoose, TableUpToItsCapacity) {
  std::string table = "AC,AD,AH,AS,2C,2D,2H,2S,3C,3D,3H,3S,4C,4D,4H,4S,5C,5D,5H,5S,6C,6D,6H,6S,";
  table += "7C,7D,7H,7S,JC,JD,JH";
  EXPECT_TRUE(AnswerChoose("variant=nine hand=KC table=" + table).ok);
  EXPECT_EQ(ErrorOf(AnswerChoose("variant=nine hand=KC table=" + table + ",JS")),
            "error: table has 32 cards (at most 31)");
}

TEST(AnswerScore, CountsEachItem) {
  const Answer answer = AnswerScore("variant=nine we=7D,AD,2D they=AC wesweeps=1 theysweeps=0");
  EXPECT_TRUE(answer.ok);
  EXPECT_EQ(answer.text,
            "total=4 sweeps=1 primierapoint=0 primierasum=0 settebello=1 kingofcoins=0 "
            "mostcoins=1 coins=3 coinpoints=0 mostcards=1 | total=0 sweeps=0 primierapoint=0 "
            "primierasum=0 settebello=0 kingofcoins=0 mostcoins=0 coins=0 coinpoints=0 "
            "mostcards=0");
}

TEST(AnswerScore, KingOfCoinsAndSingleCoinsFollowTheVariant) {
  const std::string cards = " we=KD,2D they=AC,2C";
  const std::string romane = AnswerScore("variant=romane" + cards).text;
  EXPECT_NE(romane.find("kingofcoins=0 mostcoins=0 coins=2 coinpoints=2"), std::string::npos);
  const std::string extra = AnswerScore("variant=romane-extra" + cards).text;
  EXPECT_NE(extra.find("kingofcoins=1 mostcoins=1 coins=2 coinpoints=2"), std::string::npos);
  const std::string umbria = AnswerScore("variant=umbria" + cards).text;
  EXPECT_NE(umbria.find("kingofcoins=1 mostcoins=1 coins=2 coinpoints=0"), std::string::npos);
}

TEST(AnswerScore, RefusesMalformedLines) {
  EXPECT_EQ(ErrorOf(AnswerScore("variant=nine we=AC they=AC")), "error: card 'AC' given twice");
  EXPECT_EQ(ErrorOf(AnswerScore("variant=nine we=AC they= wesweeps=x")),
            "error: bad wesweeps 'x' (0..40)");
  EXPECT_EQ(ErrorOf(AnswerScore("variant=nine we=AC they= theysweeps=")),
            "error: bad theysweeps '' (0..40)");
  EXPECT_EQ(ErrorOf(AnswerScore("variant=nine we=AC")), "error: missing field 'they'");
  EXPECT_EQ(ErrorOf(AnswerScore("variant=nine we= they= hand=AC")), "error: unknown field 'hand'");
}

TEST(PlayArguments, MatchesAndSeedMustBeGiven) {
  const test::TempDir scratch;
  const std::string records = scratch / "records";
  const struct {
    std::vector<std::string> args;
    const char* error;  // empty when the line is good
  } rows[] = {
      {{"--variant", "nine", "--matches", "2", "--seed", "0"}, ""},
      {{"--variant", "nine", "--seed", "1"}, "--matches is required"},
      {{"--variant", "nine", "--matches", "1"}, "--seed is required"},
      {{"--variant", "nine"}, "--matches is required"},
      {{"--variant", "nine", "--matches", "1", "--seed", "1", "--record", records, "--save-every",
        "3"},
       ""},
      {{"--variant", "nine", "--matches", "1", "--seed", "1", "--record"},
       "unknown or incomplete argument '--record'"},
  };
  for (const auto& row : rows) {
    std::string error;
    const auto config = ParsePlayArguments(row.args, error);
    EXPECT_EQ(config.has_value(), *row.error == '\0') << row.error;
    EXPECT_TRUE(error.starts_with(row.error)) << error;
  }
}

// The folder is named as to any tool: relative to the working folder, made
// when missing; one that cannot be used is a fault of the line.
TEST(PlayArguments, ARecordFolderIsTakenAsEveryToolTakesIt) {
  const test::TempDir scratch;
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(scratch.path());
  test::WriteFile(scratch / "plain", {'x'});
  const auto parse = [](const std::string& folder, std::string& error) {
    return ParsePlayArguments(
        {"--variant", "nine", "--matches", "1", "--seed", "1", "--record", folder}, error);
  };
  std::string error;
  const auto made = parse("recs/", error);
  const auto named = parse("recs", error);
  std::string refusal;
  const auto plain = parse("plain", refusal);
  std::string empty;
  const auto none = parse("", empty);
  std::filesystem::current_path(before);
  ASSERT_TRUE(made.has_value()) << error;
  EXPECT_TRUE(std::filesystem::is_directory(scratch / "recs"));
  EXPECT_EQ(made->records.PathOf("match-0001.rec"), scratch / "recs/match-0001.rec");
  ASSERT_TRUE(named.has_value()) << error;
  EXPECT_FALSE(plain.has_value());
  EXPECT_NE(refusal.find("plain is a file, not a folder"), std::string::npos) << refusal;
  EXPECT_FALSE(none.has_value());
  EXPECT_EQ(empty, "unknown or incomplete argument '--record'");
}

}  // namespace
}  // namespace verlano::sim
