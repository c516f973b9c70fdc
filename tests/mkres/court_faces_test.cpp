#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "bmp_view.h"
#include "deck_look.h"
#include "decks.h"
#include "picture.h"

namespace verlano::mkres {
namespace {

using testing::BmpView;

constexpr std::array<DeckStyle, 3> kDecks = {DeckStyle::Trevigiano, DeckStyle::Trent,
                                             DeckStyle::Royal};
constexpr char kSuitLetters[] = "CDHS";  // image suit order
constexpr char kCourtLetters[] = "JQK";

// The court cards of each deck as the game loads them, drawn once: court * 4 + suit.
const BmpView& Court(DeckStyle style, int court, int suit) {
  static std::array<std::vector<BmpView>, 3> decks;
  auto& courts = decks[static_cast<int>(style)];
  if (courts.empty()) {
    const auto pictures = DrawDeck(style);
    for (int k = 0; k < 12; ++k) {
      const std::string name = std::string{kCourtLetters[k / 4], kSuitLetters[k % 4]} + ".BMP";
      const auto it = std::find_if(pictures.begin(), pictures.end(),
                                   [&](const NamedPicture& p) { return p.fileName == name; });
      courts.emplace_back(EncodeBmp24(it->picture));
    }
  }
  return courts.at(court * 4 + suit);
}

Rgb FromPixel(std::uint32_t rgb) {
  return {(rgb >> 16) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

double Distance(Rgb a, Rgb b) {
  return std::hypot(a.r - b.r, a.g - b.g, a.b - b.b);
}

double Dot(Rgb a, Rgb b) {
  return a.r * b.r + a.g * b.g + a.b * b.b;
}

// A pixel of a robe: the robe's colour taken towards white or black, as the
// figures shade it (gradients, sleeves, caps, mantles): a * robe + b * white
// with a good part of robe in it, so that greys, paper and ink belong to no suit.
bool RobePixel(Rgb pixel, Rgb robe) {
  constexpr double kNear = 0.05;
  constexpr double kLeastRobe = 0.6;
  const Rgb white{1, 1, 1};
  const double rr = Dot(robe, robe), rw = Dot(robe, white), ww = Dot(white, white);
  const double rp = Dot(robe, pixel), wp = Dot(white, pixel);
  const double det = rr * ww - rw * rw;
  const double a = (rp * ww - rw * wp) / det;
  const double b = (rr * wp - rw * rp) / det;
  const Rgb fit{a * robe.r + b, a * robe.g + b, a * robe.b + b};
  return a >= kLeastRobe && b >= -kNear && Distance(pixel, fit) < kNear;
}

// Only the figure's own rows: between the index tabs, inside the panel's edge.
constexpr int kFigureTop = 42;
constexpr int kFigureBottom = 111;
constexpr int kPanelInside = 8;

int CountRobePixels(const BmpView& card, Rgb robe) {
  int count = 0;
  for (int y = kFigureTop; y < kFigureBottom; ++y) {
    for (int x = kPanelInside; x < card.Width() - kPanelInside; ++x) {
      count += card.Opaque(x, y) && RobePixel(FromPixel(card.Rgb(x, y)), robe);
    }
  }
  return count;
}

struct Box {
  int left = 1000, top = 1000, right = -1, bottom = -1;  // inclusive
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

// The sign's shield: the paper showing round the pip in the figure's rows.
Box ShieldOf(const BmpView& card, Rgb paper) {
  Box box;
  for (int y = kFigureTop; y < kFigureBottom; ++y) {
    for (int x = kPanelInside; x < card.Width() - kPanelInside; ++x) {
      if (Distance(FromPixel(card.Rgb(x, y)), paper) > 0.01) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
             std::max(box.bottom, y)};
    }
  }
  return box;
}

// Share of the box's middle (half its width and height) that is not paper: the sign.
double SignShare(const BmpView& card, const Box& box, Rgb paper) {
  int sign = 0, all = 0;
  for (int y = box.top + box.Height() / 4; y <= box.bottom - box.Height() / 4; ++y) {
    for (int x = box.left + box.Width() / 4; x <= box.right - box.Width() / 4; ++x) {
      sign += Distance(FromPixel(card.Rgb(x, y)), paper) > 0.01;
      ++all;
    }
  }
  return static_cast<double>(sign) / all;
}

// Every colour a suit's figures wear stands apart from every colour another
// suit's wear, in every deck.
TEST(CourtFaces, NoTwoSuitsShareAGarmentColour) {
  constexpr double kApart = 0.25;  // RGB distance on 0..1 channels
  for (DeckStyle style : kDecks) {
    const auto& garments = LookOf(style).garments;
    for (int a = 0; a < 4; ++a) {
      for (int b = a + 1; b < 4; ++b) {
        for (Rgb one : {garments[a].robe, garments[a].trim}) {
          for (Rgb other : {garments[b].robe, garments[b].trim}) {
            EXPECT_GT(Distance(one, other), kApart)
                << static_cast<int>(style) << " " << kSuitLetters[a] << kSuitLetters[b];
          }
        }
      }
    }
  }
}

// As drawn: each court figure shows a good area of its own suit's robe and
// little of any other suit's (a pip's red petal, say), so no two suits' courts
// read as one colour.
TEST(CourtFaces, EachFigureWearsItsOwnSuitsRobe) {
  constexpr int kLeastOwn = 350;
  constexpr int kOwnPerOther = 5;
  for (DeckStyle style : kDecks) {
    const auto& garments = LookOf(style).garments;
    for (int court = 0; court < 3; ++court) {
      for (int suit = 0; suit < 4; ++suit) {
        const BmpView& card = Court(style, court, suit);
        const int own = CountRobePixels(card, garments[suit].robe);
        EXPECT_GE(own, kLeastOwn) << static_cast<int>(style) << kCourtLetters[court]
                                  << kSuitLetters[suit];
        for (int other = 0; other < 4; ++other) {
          if (other == suit) continue;
          EXPECT_GE(own, kOwnPerOther * CountRobePixels(card, garments[other].robe))
              << static_cast<int>(style) << kCourtLetters[court] << kSuitLetters[suit]
              << " against " << kSuitLetters[other];
        }
      }
    }
  }
}

// The suit's sign on a paper shield in the middle of every court card, well
// above the corner index's pip of about 10 pixels, and filling the shield's
// middle. (The Royal deck's two half figures each wear one: the box holds both.)
TEST(CourtFaces, TheSuitsSignIsWornLargeInTheMiddle) {
  constexpr int kLeastHeight = 27;
  constexpr int kLeastWidth = 20;
  constexpr double kLeastSignShare = 0.4;
  for (DeckStyle style : kDecks) {
    const Rgb paper = LookOf(style).paper;
    for (int court = 0; court < 3; ++court) {
      for (int suit = 0; suit < 4; ++suit) {
        const BmpView& card = Court(style, court, suit);
        const Box shield = ShieldOf(card, paper);
        const std::string name =
            std::to_string(static_cast<int>(style)) + kCourtLetters[court] + kSuitLetters[suit];
        ASSERT_GE(shield.Height(), kLeastHeight) << name;
        EXPECT_GE(shield.Width(), kLeastWidth) << name;
        EXPECT_GE(SignShare(card, shield, paper), kLeastSignShare) << name;
      }
    }
  }
}

}  // namespace
}  // namespace verlano::mkres
