#include "startup/record_review_text.h"

#include <cstdio>
#include <ctime>

#include "game/judgement_words.h"
#include "i18n/translate.h"
#include "startup/dialog_choices.h"

namespace verlano {

namespace {

std::string RankWords(std::string_view rank, bool royal) {
  if (rank == "A") return _("ace");
  if (rank == "J") return royal ? _("jack") : _("page");
  if (rank == "Q") return royal ? _("queen") : _("knight");
  if (rank == "K") return _("king");
  return std::string(rank);
}

std::string SuitWords(char suit, bool royal) {
  switch (suit) {
    case 'C':
      return royal ? _("clubs") : _("batons");
    case 'H':
      return royal ? _("hearts") : _("cups");
    case 'S':
      return royal ? _("spades") : _("swords");
    default:
      return royal ? _("diamonds") : _("coins");
  }
}

// "the 7 of coins, taking the 3 of cups and the 4 of swords"
std::string PlayWords(const CardTables& cards, DeckChoice deck, const engine::Position& p,
                      const engine::Move& move) {
  const std::string card = CardWords(cards, p.hands[p.toPlay][move.handIndex], deck);
  if (move.count == 0 || p.tableCount == 0) return card;
  std::string taken;
  for (int k = 0; k < move.count; ++k) {
    const std::string one = CardWords(cards, p.table[move.positions[k]], deck);
    taken = k == 0               ? one
            : k + 1 < move.count ? Format(_("%s, %s"), taken.c_str(), one.c_str())
                                 : Format(_("%s and %s"), taken.c_str(), one.c_str());
  }
  return Format(_("%s, taking %s"), card.c_str(), taken.c_str());
}

std::string HandLine(const ReviewedHand& hand) {
  const std::string givenUp = PointsWords(GivenUp(hand.plays));
  if (!hand.finished) {
    return Format(_("Hand %d (left unfinished): %s points given up"), hand.hand + 1,
                  givenUp.c_str());
  }
  return Format(_("Hand %d (we %d, they %d): %s points given up"), hand.hand + 1, hand.points[0],
                hand.points[1], givenUp.c_str());
}

void AddPlay(const CardTables& cards, DeckChoice deck, const ReviewedPlay& play,
             std::string& text) {
  const engine::PlayJudgement& made = play.Made();
  const std::string words = PlayWords(cards, deck, play.before, made.move);
  if (made.givenUp <= 0) {
    text += Format(_("  best   play %d: %s"), play.play + 1, words.c_str()) + "\n";
    return;
  }
  const std::string best = PlayWords(cards, deck, play.before, play.judged.front().move);
  text += Format(_("  -%s  play %d: %s"), PointsWords(made.givenUp).c_str(), play.play + 1,
                 words.c_str()) +
          "\n" + Format(_("         better: %s; %s"), best.c_str(), MadeReasonWords(made).c_str()) +
          "\n";
}

}  // namespace

std::string CardWords(const CardTables& cards, int card, DeckChoice deck) {
  const std::string code = CardCode(cards, card);
  if (code.size() < 2) return code;
  const bool royal = deck == DeckChoice::Royal;
  const std::string rank = RankWords(std::string_view(code).substr(0, code.size() - 1), royal);
  return Format(_("%s of %s"), rank.c_str(), SuitWords(code.back(), royal).c_str());
}

std::string RecordTime(std::string_view name) {
  if (name.ends_with(".rec")) name.remove_suffix(4);
  const std::string text(name);
  // "match-YYYYMMDD-HHMMSS", digit for digit: a stamp of another shape is no time.
  constexpr std::string_view kShape = "match-dddddddd-dddddd";
  bool stamped = text.size() == kShape.size();
  for (std::size_t i = 0; stamped && i < text.size(); ++i) {
    stamped = kShape[i] == 'd' ? text[i] >= '0' && text[i] <= '9' : text[i] == kShape[i];
  }
  std::tm utc{};
  if (!stamped || std::sscanf(text.c_str(), "match-%4d%2d%2d-%2d%2d%2d", &utc.tm_year, &utc.tm_mon,
                              &utc.tm_mday, &utc.tm_hour, &utc.tm_min, &utc.tm_sec) != 6) {
    return text;
  }
  utc.tm_year -= 1900;
  utc.tm_mon -= 1;
  const std::time_t when = timegm(&utc);
  std::tm local{};
  if (when == -1 || localtime_r(&when, &local) == nullptr) return text;
  char shown[32];
  std::strftime(shown, sizeof shown, "%Y-%m-%d %H:%M", &local);
  return shown;
}

std::string RecordCaption(std::string_view name, const MatchRecord& record,
                          const RecordOutcome& outcome) {
  const std::string time = RecordTime(name);
  const std::string match = Format(_("%s, opponents %s"), VariantWords(record.options).c_str(),
                                   _(LevelCaption(record.options.opponents)).c_str());
  const std::string stands =
      Format(outcome.result == MatchResult::Won    ? _("won %d to %d, %d hands")
             : outcome.result == MatchResult::Lost ? _("lost %d to %d, %d hands")
                                                   : _("left at %d to %d, %d hands"),
             outcome.totals[0], outcome.totals[1], outcome.hands);
  return time + "  " + match + ": " + stands;
}

std::string ReviewText(const MatchRecord& record, const RecordReview& review,
                       const CardTables& cards) {
  std::string text =
      _("Your plays, the costliest first in each hand: the points a hand each gave up against the "
        "best play, expected over the cards you did not see.") +
      std::string("\n");
  double givenUp = 0;
  int plays = 0;
  for (const ReviewedHand& hand : review.hands) {
    text += "\n" + HandLine(hand) + "\n";
    for (const ReviewedPlay& play : hand.plays) AddPlay(cards, record.options.deck, play, text);
    givenUp += GivenUp(hand.plays);
    plays += static_cast<int>(hand.plays.size());
  }
  text += "\n" +
          Format(_("In all: %s points given up in %d hands, over %d plays of yours."),
                 PointsWords(givenUp).c_str(), static_cast<int>(review.hands.size()), plays) +
          "\n";
  return text;
}

}  // namespace verlano
