#pragma once
// The reading matter of the options dialog: the key help, the rules for a
// newcomer and the acknowledgements. Plain text, so the pages stay layout only;
// marked for translation, and translated where the pages are built.

#include <array>
#include <string_view>

#include "i18n/translate.h"

namespace verlano {

inline constexpr std::array<std::string_view, 12> kKeyHelp = {
    N_("Pressing the key P at any time pauses the game. Press again to resume."),
    N_("Press the R key to Re-order your cards in your hand: Kings on the left, down to the Aces "
       "on the right."),
    N_("Press the M key to turn the sound off or on again; the table says \"Muted\" while it is "
       "off."),
    N_("Use the ESCAPE key to exit the game."),
    N_("Use mouse left button click to play a card from your hand when it is your turn. If the "
       "card "
       "can make a capture, use left-click on the cards you want to capture (right-clicking on "
       "selected cards deselects them). If the card you have played cannot make any capture, the "
       "play passes automatically to the next player."),
    N_("To play without the mouse: LEFT and RIGHT move a highlight along your cards (the keys 1 "
       "to 9 and 0 go to the first to the tenth) and RETURN plays it. When your card takes, LEFT, "
       "RIGHT and TAB move along the table cards it can take, SPACE takes or leaves the "
       "highlighted card, RETURN takes it and BACKSPACE clears your choice. On the score page "
       "RETURN or SPACE deals the next hand, or starts the next match, as a click does."),
    N_("Hold SPACE to see each side's last capture, face up beside its pile: the card that took "
       "and the cards it took. Pointing at a pile shows that side's alone."),
    N_("With \"Show hints\" ticked in the Options tab, hold H on your turn to see the card and "
       "the capture the coach judges best, why, and how many points a hand it can expect beyond "
       "the next best play."),
    N_("On the score page, press V to go through your plays of the hand with the coach: each "
       "play, the points it gave up against the best play and why, the costliest first. V again "
       "or a click closes it."),
    N_("On the score page, click a side's pile beside the page, or press W for ours and T for "
       "theirs (N and L do the same), to see every card it took, suit by suit, with its coins "
       "counted and its primiera; a click elsewhere or the same key closes it."),
    N_("Press the S key to show or hide the story of the hand over the right side of the table "
       "(not over the score page): who played which card and what it took, each kevro marked, the "
       "newest at the top, and where the cards left on the table at the end went. On a screen "
       "wider than the table the story is always shown beside it, beside the score page too."),
    N_("With \"Allow take-backs\" ticked in the Options tab, press U to take back your last play "
       "of the hand: you are at that turn again. Press it again to go a turn further back."),
};

inline constexpr std::string_view kRulesText = N_(
    R"(THE PACK
Verlano is played with the 40-card Italian pack: ace to seven and three court cards in each of four suits. Coins (diamonds in the Royal deck) are the scoring suit. For capturing, an ace counts 1, the cards two to seven their face value, the page (jack) 8, the knight (queen) 9 and the king 10.

THE PLAYERS
Four players form two sides. You sit at the bottom of the table and your computer partner sits opposite you; the two computer players on your left and right play together against you. Turns go round the table one player at a time.

THE DEAL
In "Verlano 9 cards" each player receives 9 cards, three at a time, and four cards are laid face up on the table. In the three "10 cards" variants each player receives 10 cards, five at a time, and the table starts empty. The player served first plays first.

CAPTURES
On your turn you play one card to the table. If a table card has the same value, your card takes it. If none does, your card may take a group of table cards whose values add up to its own: a king (10) takes a six and a four, or an ace, a two and a seven. An ace takes only another ace. A single card of equal value always comes first: with a seven on the table, your seven cannot take a three and a four instead.
Taking is not optional: a card that can take must take. The cards taken and the card that took them go to your side's pile. A card that takes nothing stays on the table for the others.

SWEEPS
Taking every card on the table is a sweep and scores one point, except on the very last play of the hand. When all cards have been played, whatever is left on the table goes to the side that made the last capture; that is never a sweep.

SCORING
When a hand ends, each side counts its pile:
- Most cards: 1 point to the side with more than 20 cards.
- The seven of coins: 1 point.
- Primiera: 1 point to the side with the better primiera. Take your best card in each suit, counting a seven 21, a six 18, an ace 16, a five 15, a four 14, a three 13, a two 12 and a court card 10, and add the four. A side without a card of every suit has no primiera.
- Every sweep: 1 point.
The variants add to these:
- "Verlano 9 cards" and "10 cards Napoletane": 1 point for most coins (six or more). 4 points a hand, plus the sweeps.
- "10 cards Umbria and Marche": most coins and 1 point for the King of Coins. 5 points a hand, plus the sweeps.
- "10 cards Romane": no point for most coins; instead every coin in your pile is worth a point. 13 points a hand, plus the sweeps.
- "10 cards Romane" with "Punti per piu Dinari e Rebello": as Romane, plus most coins and the King of Coins. 15 points a hand, plus the sweeps.
Equal counts give nobody the point.

WINNING
A side wins the match when its total passes the target and is ahead of the other side: more than 20 points ("Verlano 9 cards", "10 cards Napoletane", "10 cards Umbria and Marche") or more than 40 ("10 cards Romane"). If both sides pass the target level, play goes on until one of them is ahead. Every match of a variant, the first and each later one, is played to the same target.
After each hand the score page shows both sides' points; click or press Return to deal the next hand.

THE SCORE PAGE
The page has a column for We (you and your partner) and one for They. Its first rows count what each side took in the hand just played, in the variant's own rows:
- Cards: how many cards the side took; more than 20 wins the most-cards point.
- Coins: how many coins it took. In "10 cards Romane" each is a point; elsewhere six or more win the most-coins point.
- MoreC: the most-coins point, where the page shows it ("Punti per piu Dinari e Rebello").
- 7coin: 1 for the side that took the seven of coins.
- Kcoin: 1 for the side that took the King of Coins, where it scores.
- Prime: each side's primiera sum, the sum that decides the primiera point (the higher sum takes it; 0 for a side without a card of every suit).
- Kevro: the side's sweeps, a point each.
A number underlined in red is the side's that won the item.
Under them, each hand's points, the newest first; then the match totals, the result once the match is decided, the click hint, and the target in the lower left corner. When a page is full the next one starts from the match totals, in a row marked "Carry:".
The sides' piles lie beside the page: click one, or press W or T, to see its cards.

THE COMPUTER PLAYERS
The Options tab sets how your opponents and your partner play, at one of five levels; the number beside each is its rating. Classic looks one play ahead: it weighs every card in its hand and every capture it allows with a fixed table of values (coins, the seven of coins, the prime, sweeps, what it leaves for the next player). Beginner plays like Classic with a newcomer's faults: it forgets some of the cards gone, overlooks some sums of three or four cards and takes whatever it can. Strong, Expert and Master think further: each imagines ways the cards it has not seen could be spread among the other players, plays its choices out to the end of the hand in every one of them, and picks the one that scores best for its side on average; the higher the level, the more ways it imagines. None of them looks at cards it could not see. Each level wins most matches against the one below it.

YOUR RATING
Each match you finish against the computer moves your rating in its variant: up when your side wins, down when it loses, and the more so the less the ratings expected it (your side counts as the mean of your rating and your partner's, against your opponents'). The Statistics tab shows it with the number of matches it rests on. "Match my level" gives you, at each new match, the opponents whose rating is nearest yours (Classic until you have one).

THE COACH
Hold H on your turn (with "Show hints" ticked) for the play the coach judges best and why; press V on the score page to go through your plays of the hand. The coach weighs every play you could make from what you could see, never the hidden cards: it deals the cards you have not seen at random many times, plays each choice out to the end of the hand in every deal, and counts the points a hand each can expect. A play shown as giving up points expects that many fewer points a hand than the best, on average over the hidden cards; a play within the luck of those deals of the best is shown as giving up nothing, and the best never gives up any. With "Allow take-backs" ticked, U takes back your last play; a match with take-backs is counted apart and never moves your rating.)");

inline constexpr std::string_view kCreditsText = N_(
    R"(Verlano: every picture, bitmap font and sound of the game is drawn or synthesised by its own resource builder when the game is built. Nothing is copied from another game.

LIBRARIES
- SDL2 (Simple DirectMedia Layer): display, input and sound. zlib licence.
- SDL2_image: reading pictures. zlib licence.
- SDL2_mixer: playing sounds. zlib licence.
- GTK 3, with GLib and GdkPixbuf: this options dialog. GNU Lesser General Public License 2.1 or later.
- cairo: drawing the cards and pages at build time. GNU Lesser General Public License 2.1 or Mozilla Public License 1.1.
- Pango: laying out the text of the pictures at build time. GNU Lesser General Public License 2 or later.

FONTS
Rendered into the game's pictures at build time.
- Humor Sans: the handwriting of the score page. SIL Open Font License 1.1.
- DSEG7 Classic: the digits of the table's clock. SIL Open Font License 1.1.
- DejaVu Serif, Sans and Sans Mono: the card indices and the plain lettering. Bitstream Vera Fonts licence; the DejaVu changes are in the public domain.

Thanks to the authors and maintainers of all of them.)");

}  // namespace verlano
