#pragma once
// A recorded match for the review's tests: each hand dealt from a seeded
// shuffle and played out by the beginner at every seat, whose faults give
// the review plays that cost points.

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/deal_position.h"
#include "engine/engine_rules.h"
#include "engine/level.h"
#include "memory/match_record.h"

namespace verlano::test {

inline MatchRecord BeginnerRecord(const Options& options, int hands, std::uint64_t seed) {
  Settings settings;
  Layout layout;
  ApplyOptions(options, settings, layout);
  const engine::EngineRules rules = engine::RulesOf(settings.Rules);
  CardTables cards;
  BuildCardNames(cards);
  std::vector<int> inPlay;
  for (int card = 0; card < kCardIndexCount; ++card) {
    if (InPlay(cards, card)) inPlay.push_back(card);
  }
  std::mt19937_64 rng(seed);
  engine::LevelPlayer beginner(engine::Level::Beginner, engine::ExpertSettings{});
  MatchRecord record{options, {}};
  for (int h = 0; h < hands; ++h) {
    RecordedHand hand;
    hand.leader = h % engine::kSeats;
    std::shuffle(inPlay.begin(), inPlay.end(), rng);
    engine::Pack pack{};
    for (std::size_t i = 0; i < pack.size(); ++i) {
      hand.pack[i] = inPlay[i];
      pack[i] = static_cast<std::int8_t>(inPlay[i]);
    }
    engine::Position p = engine::DealFrom(rules, hand.leader, pack);
    while (hand.playCount < engine::kSeats * rules.cardsPerHand) {
      const engine::Move move = beginner.Choose(p, rng());
      RecordedPlay& play = hand.plays[static_cast<std::size_t>(hand.playCount++)];
      play.seat = p.toPlay;
      play.card = p.hands[p.toPlay][move.handIndex];
      play.takenCount = p.tableCount == 0 ? 0 : move.count;
      for (int k = 0; k < play.takenCount; ++k) {
        play.taken[static_cast<std::size_t>(k)] = p.table[move.positions[k]];
      }
      engine::ApplyMove(p, move);
    }
    record.hands.push_back(hand);
  }
  return record;
}

}  // namespace verlano::test
