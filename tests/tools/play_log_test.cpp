// The hand's story against the hands themselves: whole hands of every rule
// set played through the game's frame loop by the simulator's seat 0, each
// play and capture read from the piles as the frames go (the card that left a
// hand, the cards that reached a side, a side's sweeps), and the log held to
// them: every play once, in order, with its seat, card, captured cards and
// sweep mark; cleared at the deal.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/game_run.h"
#include "game/turn_pause.h"
#include "rules/table_builder.h"
#include "sim/auto_player.h"
#include "sim/private_resources.h"

namespace verlano::sim {
namespace {

using CardBits = std::uint64_t;

CardBits Bit(int card) {
  return CardBits{1} << card;
}

template <std::size_t N>
CardBits Bits(const std::array<int, N>& cards, int count) {
  CardBits bits = 0;
  for (int i = 0; i < count; ++i) bits |= Bit(cards[static_cast<std::size_t>(i)]);
  return bits;
}

// What the piles show at the end of a frame.
struct Seen {
  std::array<CardBits, 4> hands{};
  CardBits table = 0;
  std::array<CardBits, 2> sides{};
  std::array<int, 2> sweeps{};
  int played = 0;

  explicit Seen(const Game& g) : played(g.piles.CardsPlayed) {
    const Piles& p = g.piles;
    for (int seat = 0; seat < 4; ++seat) {
      hands[seat] = Bits(p.HandCards[seat], p.HandCount[seat]);
    }
    table = Bits(p.TableCards, p.TableCardCount);
    sides = {Bits(p.Our.Cards, p.Our.CardCount), Bits(p.Their.Cards, p.Their.CardCount)};
    sweeps = {p.Our.SweepCount, p.Their.SweepCount};
  }
};

// A play as the piles tell it: who, which card, and the piles as it landed.
struct Play {
  int seat;
  int card;
  Seen before;
};

int SideOf(int seat) {
  return seat % 2;
}

bool LegalCapture(const Game& g, int card, CardBits taken, CardBits table) {
  const auto value = [&](int c) { return g.cards.CardValue[static_cast<std::size_t>(c)]; };
  int sum = 0;
  for (int c = 0; c < 64; ++c) sum += (taken >> c & 1U) != 0 ? value(c) : 0;
  bool equalOnTable = false;
  for (int c = 0; c < 64; ++c) equalOnTable |= (table >> c & 1U) != 0 && value(c) == value(card);
  if (std::popcount(taken) == 1) return sum == value(card);
  return !equalOnTable && sum == value(card);
}

class HandStory {
 public:
  explicit HandStory(const std::string& name) : name_(name) {}

  // Called after every frame with the piles before and after it.
  void Frame(const Game& g, const Seen& was, const Seen& now) {
    for (int seat = 0; seat < 4; ++seat) left_[seat] |= was.hands[seat] & ~now.hands[seat];
    if (now.played == was.played + 1) {
      const int seat = g.turn.CurrentSeat;
      ASSERT_EQ(std::popcount(left_[seat]), 1) << name_ << ": seat " << seat;
      if (!plays_.empty()) CheckCapture(g, plays_.size() - 1, was, false);
      plays_.push_back({seat, std::countr_zero(left_[seat]), was});
      left_[seat] = 0;
    }
  }

  // At the score page: the last play's capture, then the whole log.
  void HandOver(const Game& g, const Seen& now) {
    ASSERT_FALSE(plays_.empty()) << name_;
    CheckCapture(g, plays_.size() - 1, now, true);
    const PlayLog& log = g.playLog;
    ASSERT_EQ(log.Count, static_cast<int>(plays_.size())) << name_;
    ASSERT_EQ(LoggedPlays(log), log.Count) << name_;
    for (std::size_t k = 0; k < plays_.size(); ++k) {
      const PlayLine& line = PlayFromNewest(log, static_cast<int>(plays_.size() - 1 - k));
      EXPECT_EQ(line.Seat, plays_[k].seat) << name_ << " play " << k;
      EXPECT_EQ(line.Cards.Taker, plays_[k].card) << name_ << " play " << k;
      EXPECT_EQ(Bits(line.Cards.Taken, line.Cards.TakenCount), taken_[k]) << name_ << " play " << k;
      EXPECT_EQ(line.Cards.TakenCount, std::popcount(taken_[k])) << name_ << " play " << k;
      EXPECT_EQ(line.Sweep, sweeps_[k]) << name_ << " play " << k;
    }
    hands_ += 1;
    plays_.clear();
    taken_.clear();
    sweeps_.clear();
    left_ = {};
  }

  int Hands() const { return hands_; }

 private:
  // What play k took, read from what reached the sides between its landing and `after`.
  void CheckCapture(const Game& g, std::size_t k, const Seen& after, bool last) {
    const Play& p = plays_[k];
    const int side = SideOf(p.seat);
    const CardBits ours = after.sides[side] & ~p.before.sides[side];
    const CardBits theirs = after.sides[1 - side] & ~p.before.sides[1 - side];
    const bool swept = after.sweeps[side] > p.before.sweeps[side];
    if (!last) {
      EXPECT_EQ(theirs, 0U) << name_ << " play " << k;
      EXPECT_TRUE(ours == 0 || (ours & Bit(p.card)) != 0) << name_ << " play " << k;
      taken_.push_back(ours & ~Bit(p.card));
      sweeps_.push_back(swept);
      if (swept) {
        EXPECT_EQ(ours & ~Bit(p.card), p.before.table) << name_ << " play " << k;
      }
      return;
    }
    // The last play never sweeps; its capture and the remainder go together,
    // so what it took is held to the table it met and the value it has.
    EXPECT_FALSE(swept) << name_;
    EXPECT_EQ(ours | theirs, p.before.table | Bit(p.card)) << name_;
    const PlayLine& line = PlayFromNewest(g.playLog, 0);
    const CardBits taken = Bits(line.Cards.Taken, line.Cards.TakenCount);
    if (taken != 0) {
      EXPECT_EQ(taken & ~p.before.table, 0U) << name_;
      EXPECT_TRUE(LegalCapture(g, p.card, taken, p.before.table)) << name_;
      EXPECT_EQ(theirs, 0U) << name_ << ": the remainder goes to the last capturer";
    }
    taken_.push_back(taken);
    sweeps_.push_back(false);
  }

  std::string name_;
  std::vector<Play> plays_;
  std::vector<CardBits> taken_;
  std::vector<bool> sweeps_;
  std::array<CardBits, 4> left_{};
  int hands_ = 0;
};

TEST(PlayLog, EveryPlayOfWholeHandsAppearsOnceInOrderWithItsSeatCardCaptureAndSweep) {
  const std::string archive = std::filesystem::path(VERLANO_SIM_PATH).parent_path().string();
  int sweeps = 0;
  for (const test::RuleSet& rules : test::kRuleSets) {
    for (const std::uint64_t seed : {3U, 8U}) {
      PrivateResources resources(archive);
      ASSERT_EQ(resources.Error(), "");
      HeadlessPlatform platform;
      GameRun run(test::OptionsOf(rules), seed, platform, resources.Folder());
      ASSERT_TRUE(StartRun(run)) << platform.ShutDownMessage();
      AutoPlayer player(false);
      HandStory story(std::string(rules.name) + " seed " + std::to_string(seed));
      Seen was(run.game);
      bool over = false;
      for (long frame = 0; frame < 2'000'000 && story.Hands() < 4; ++frame) {
        ASSERT_TRUE(player.Prepare(run.game, platform)) << player.Problem();
        if (platform.InputIdle()) {
          platform.SkipFrames(
              QuietPauseFrames(run.game, platform.TickCount(), HeadlessPlatform::kFrameMs));
        }
        GameFrame(run);
        const Seen now(run.game);
        story.Frame(run.game, was, now);
        const bool handOver = run.game.turn.GameState == PlayState::HandOver;
        if (handOver && !over) {
          story.HandOver(run.game, now);
          sweeps += run.game.piles.Our.SweepCount + run.game.piles.Their.SweepCount;
        }
        if (!handOver && over) {
          EXPECT_EQ(run.game.playLog.Count, 0) << "not cleared at the deal";
        }
        if (::testing::Test::HasFatalFailure()) return;
        over = handOver;
        was = now;
      }
      EXPECT_EQ(story.Hands(), 4) << rules.name;
      QuitGame(run);
    }
  }
  // The runs must have met sweeps, or the sweep marks were never held to anything.
  EXPECT_GT(sweeps, 0);
}

}  // namespace
}  // namespace verlano::sim
