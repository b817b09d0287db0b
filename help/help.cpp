#include "help/help.h"

#include <initializer_list>
#include <string_view>

namespace ovali {

namespace {

// What follows a piece of a help text.
enum class Then { BlankLine, LineBreak, Nothing };

struct Piece {
  std::string_view text;
  Then then;
};

std::string join(std::initializer_list<Piece> pieces) {
  const std::string blankLine = "\r\r";
  std::string text;
  for (const Piece& piece : pieces) {
    text += piece.text;
    switch (piece.then) {
      case Then::BlankLine:
        text += blankLine;
        break;
      case Then::LineBreak:
        text += '\r';
        break;
      case Then::Nothing:
        break;
    }
  }
  return text;
}

std::string theGame() {
  return join({
      {"The Ovalin Game", Then::BlankLine},
      {"This game illustrates how ", Then::Nothing},
      {"a random distribution of quantized \"currency\" in a system results in a predictable "
       "dynamic outcome that fluctuates around a mean--a most probable distribution called the "
       "\"Ovalin Distribution.\" ",
       Then::BlankLine},
      {"1. A fixed amount of cash is distributed to a set of players, who form a circle and pair "
       "off. In each pair, one person should stand with his/her back to the center and face their "
       "partner, forming two concentric opposite-facing circles.",
       Then::BlankLine},
      {"2. At the \"Next!\" signal, each person in the INNER circle takes one step to the right to "
       "face a new partner. Players in the outer ring to not move.",
       Then::BlankLine},
      {"3. At the \"Go!\" signal each pair interacts in the following way:", Then::BlankLine},
      {"    If both are broke, they hold tight. There's nothing to do.", Then::LineBreak},
      {"    If one or both have money, they play \"rock-paper-scissors\" ONCE.", Then::LineBreak},
      {"       If the loser has money, the winner gets ONE dollar from the loser. ",
       Then::LineBreak},
      {"       If the loser is broke or there is a tie, then no money is exchanged.",
       Then::BlankLine},
      {"4. The game continues indefinitely. The distribution of cash is checked periodically.",
       Then::BlankLine},
      {"Before the game starts, a discussion should focus on what people expect the outcome to be. "
       "Periodically it is interesting to ask, \"Who has $0? Who has $1?, etc.\" At the end, a "
       "discussion might revolve around how random chance can result in predictable "
       "outcomes--in this case, the Ovalin distribution. ",
       Then::BlankLine},
      {"To run this simulation, set the number of players to an even number between 10 and 120, "
       "and the number of dollars to any number up to about twice the number of players. Then "
       "press \"Start.\"",
       Then::Nothing},
  });
}

std::string questions() {
  return join({
      {"Questions to Think About", Then::BlankLine},
      {"1. Is this a fair game?", Then::BlankLine},
      {"2. Why do so many people end up broke?", Then::BlankLine},
      {"3. Why is it so hard to remain rich if you happen to get there?", Then::BlankLine},
      {"4. What are the principal features of the most probable distribution of money in the "
       "system?",
       Then::BlankLine},
      {"5. How does this relate to chemistry? to life?", Then::Nothing},
  });
}

std::string answersFirst() {
  return join({
      {"Answers", Then::BlankLine},
      {"1. Is this a fair game?", Then::BlankLine},
      {"Most people would say that this is a fair game.", Then::BlankLine},
      {"2. Why do so many people end up broke?", Then::BlankLine},
      {"As soon as money starts changing hands, provided there isn't too much available, lots of "
       "people end up with nothing. It's fairly difficult to \"climb the ladder,\" and even if you "
       "do, someone else \"climbs down\" when you \"climb up.\"",
       Then::BlankLine},
  });
}

std::string answersSecond() {
  return join({
      {"Answers", Then::BlankLine},
      {"3. Why is it so hard to remain rich if you happen to get there?", Then::BlankLine},
      {"Whether you lose a buck or gain one depends upon chance, and winning more than half the "
       "time in the long run is not very probable. Nonetheless, some people will end up with more "
       "than their \"fair share\" of the money, and others will be left out in the cold.",
       Then::BlankLine},
      {"4. What are the principal features of the most probable distribution of money in the "
       "system?",
       Then::BlankLine},
      {"The most probable distribution of money in the system is an exponentially decreasing "
       "function. In a case such as this, where anyone with any amount of money can exchange only "
       "one dollar, a fixed fraction relates one \"level\" to the next. The more money in the "
       "system, the closer this fraction is to 1, but it never exceeds 1. This is called a "
       "\"Ovalin\" distribution. If each person initially has $1, then in the Ovalin distribution "
       "half will end up with no money, 1/4 will end up with $1, 1/8 with $2, etc.",
       Then::BlankLine},
  });
}

std::string answersThird() {
  return join({
      {"Answers", Then::BlankLine},
      {"5. How does this relate to chemistry? to life?", Then::BlankLine},
      {"When a chemical system gains energy, that energy is distributed in \"quanta\" of "
       "translational, rotational, vibrational, and electronic energy, just like the dollar "
       "bills. (Only, in chemical systems, there might be any number of denominations being "
       "traded.) While the system fluctuates considerably, the most probable distribution of "
       "energy in the system is the Ovalin distribution. When there are many particles, the "
       "Ovalin distribution becomes the only observable distribution at equilibrium. The "
       "situation is highly predictable and can be used to predict the position of equilibrium "
       "in a reacting mixture, particularly if an exchange of energy with the \"surroundings\" "
       "(where no chemical reactions occur) is taken into account. ",
       Then::BlankLine},
      {"As for how this relates to life, I offer no answer there.", Then::Nothing},
  });
}

std::string explorations() {
  return join({
      {"Possible Further Explorations", Then::BlankLine},
      {"1. What happens if the amount of money is doubled?", Then::BlankLine},
      {"2. What happens if the number of players is doubled,", Then::LineBreak},
      {"    each player still getting the same amount of money to start with?", Then::BlankLine},
      {"3. What happens if the number of players and total amount of money are kept the same,",
       Then::LineBreak},
      {"    but they use $2 bills instead of $1 bills?", Then::BlankLine},
      {"4. What happens if all the money is given to one player initially?", Then::LineBreak},
      {"    (Take a look at the Options menu.)", Then::BlankLine},
      {"5. What happens if we consider the inside ring the \"system\" and the outside ring the "
       "\"surroundings\"?",
       Then::BlankLine},
  });
}

}  // namespace

std::string helptext(std::int16_t index) {
  switch (index) {
    case 0:
      return theGame();
    case 1:
      return questions();
    case 2:
      return answersFirst();
    case -2:
      return answersSecond();
    case -3:
      return answersThird();
    case 3:
      return explorations();
    default:
      return {};
  }
}

void Label3_Click(Form1& f, std::int16_t index) {
  const std::string text = helptext(index);
  // No link has another index; an empty box would only puzzle.
  if (text.empty()) return;
  f.tk.msgbox(text);
  // The answers fill three boxes, each opening when the one before is closed.
  if (index == 2) {
    Label3_Click(f, -2);
  } else if (index == -2) {
    Label3_Click(f, -3);
  }
}

void mnuAbout_Click(Form1& f) {
  f.tk.msgbox(
      "The Ovalin Game, program file \"ovali\", is made by The Ovalin Game project "
      "(ovalin@example.org). The most recent version can be found at "
      "https://example.org/ovalin/.");
}

std::string historyHelp() {
  return "Entropy tells how spread out the players are over the amounts of money. It starts at 0 "
         "when everybody holds the same and climbs toward the dashed line, its maximum: the most "
         "probable spread of this much money, the Ovalin distribution. The Gini coefficient tells "
         "how unequal the money is, from 0 (all the same) to nearly 1 (one person has it all). It "
         "climbs to the dashed value of the Ovalin distribution and then wobbles around it. Every "
         "game is fair--and still inequality appears.";
}

}  // namespace ovali
