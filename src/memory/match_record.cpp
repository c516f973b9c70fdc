#include "memory/match_record.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>

#include "memory/field_io.h"
#include "memory/option_words.h"
#include "memory/records.h"

namespace verlano {

namespace {

std::string HandName(int hand) {
  return "hand." + std::to_string(hand + 1);
}

std::string PlayName(int hand, int play) {
  return "play." + std::to_string(hand + 1) + "." + std::to_string(play + 1);
}

template <typename V, typename R>
void VisitCounts(V& v, R& record, int& hands) {
  if constexpr (std::is_const_v<R>) hands = static_cast<int>(record.hands.size());
  v.Int("hands", hands, 1, kRecordMaxHands);
}

template <typename V, typename H>
void VisitHand(V& v, H& hand) {
  v.Int("leader", hand.leader, 0, 3);
  v.Int("plays", hand.playCount, 0, kRecordMaxPlays);
  v.Cards("pack", hand.pack, kRecordPackCards);
}

template <typename V, typename P>
void VisitPlay(V& v, P& play) {
  v.Int("seat", play.seat, 0, 3);
  v.Card("card", play.card);
  v.Int("taken-count", play.takenCount, 0, kRecordMaxTaken);
  v.Cards("taken", play.taken, play.takenCount);
}

void Require(bool holds, const std::string& what) {
  if (!holds) throw RecordError(what);
}

// The pack is the 40 cards in play, each once.
void CheckPack(const RecordedHand& hand, int index, const CardTables& cards) {
  std::uint64_t seen = 0;
  for (const int card : hand.pack) {
    const std::uint64_t bit = std::uint64_t{1} << (card < 0 ? 0 : card);
    Require(InPlay(cards, card) && (seen & bit) == 0,
            "its hand " + std::to_string(index + 1) + "'s pack is not the 40 cards once over");
    seen |= bit;
  }
}

void CheckPlay(const RecordedPlay& play, const std::string& name, const CardTables& cards) {
  bool inPlay = InPlay(cards, play.card);
  for (int i = 0; i < play.takenCount; ++i) inPlay = inPlay && InPlay(cards, play.taken[i]);
  Require(inPlay, "its '" + name + "' line names a card out of play");
}

}  // namespace

RecordedHand RecordHand(const Game& game) {
  RecordedHand hand;
  hand.leader = game.deal.DealOrder[0];
  for (int i = 0; i < kRecordPackCards; ++i) {
    hand.pack[static_cast<std::size_t>(i)] = game.deal.ShuffledCards[static_cast<std::size_t>(i)];
  }
  hand.playCount = LoggedPlays(game.playLog);
  for (int n = 0; n < hand.playCount; ++n) {
    const PlayLine& line = PlayFromNewest(game.playLog, hand.playCount - 1 - n);
    RecordedPlay& play = hand.plays[static_cast<std::size_t>(n)];
    play.seat = line.Seat;
    play.card = line.Cards.Taker;
    // A story line holds no more than a play of the record: both hold a capture.
    static_assert(std::tuple_size_v<decltype(line.Cards.Taken)> == kRecordMaxTaken);
    play.takenCount = std::clamp(line.Cards.TakenCount, 0, kRecordMaxTaken);
    std::copy_n(line.Cards.Taken.begin(), play.takenCount, play.taken.begin());
  }
  return hand;
}

std::string WriteRecord(const MatchRecord& record, const CardTables& cards) {
  RecordWriter out(kRecordHeader);
  {
    FieldWriter v(cards);
    VisitPlayOptions(v, record.options);
    out.Line("options", v.Text());
  }
  {
    FieldWriter v(cards);
    int hands = 0;
    VisitCounts(v, record, hands);
    out.Line("match", v.Text());
  }
  for (int h = 0; h < static_cast<int>(record.hands.size()); ++h) {
    const RecordedHand& hand = record.hands[static_cast<std::size_t>(h)];
    FieldWriter v(cards);
    VisitHand(v, hand);
    out.Line(HandName(h), v.Text());
    for (int n = 0; n < hand.playCount; ++n) {
      FieldWriter p(cards);
      VisitPlay(p, hand.plays[static_cast<std::size_t>(n)]);
      out.Line(PlayName(h, n), p.Text());
    }
  }
  return out.Finish();
}

MatchRecord ReadRecord(std::string_view text, const CardTables& cards) {
  const Records records = ParseRecords(text, kRecordHeader, true);
  MatchRecord record;
  const auto read = [&](const std::string& name, auto visit) {
    FieldReader v(records.Need(name), name, cards, true);
    visit(v);
    v.Done();
  };
  read("options", [&](FieldReader& v) { VisitPlayOptions(v, record.options); });
  int hands = 0;
  read("match", [&](FieldReader& v) { VisitCounts(v, record, hands); });
  record.hands.resize(static_cast<std::size_t>(hands));
  std::size_t lines = 2 + record.hands.size();
  for (int h = 0; h < hands; ++h) {
    RecordedHand& hand = record.hands[static_cast<std::size_t>(h)];
    read(HandName(h), [&](FieldReader& v) { VisitHand(v, hand); });
    CheckPack(hand, h, cards);
    lines += static_cast<std::size_t>(hand.playCount);
    for (int n = 0; n < hand.playCount; ++n) {
      const std::string name = PlayName(h, n);
      RecordedPlay& play = hand.plays[static_cast<std::size_t>(n)];
      read(name, [&](FieldReader& v) { VisitPlay(v, play); });
      CheckPlay(play, name, cards);
    }
  }
  Require(records.lines.size() == lines, "it has lines of hands or plays it does not count");
  return record;
}

}  // namespace verlano
