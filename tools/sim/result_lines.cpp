#include "sim/result_lines.h"

namespace verlano::sim {

void PrintHandLine(std::ostream& out, const HandLine& line) {
  out << "match " << line.match << " hand " << line.hand << " we " << line.score.We.Total
      << " they " << line.score.They.Total << " cards " << line.ourCards << "/" << line.theirCards
      << " sweeps " << line.score.We.Sweeps << "/" << line.score.They.Sweeps << " totals "
      << line.ourTotal << "/" << line.theirTotal << "\n";
}

void PrintMatchLine(std::ostream& out, int match, bool won, int hands, int ourTotal,
                    int theirTotal) {
  out << "match " << match << " " << (won ? "won" : "lost") << " hands " << hands << " totals "
      << ourTotal << "/" << theirTotal << "\n";
}

}  // namespace verlano::sim
