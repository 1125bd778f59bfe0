// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. Reduce the day and month of your birth to one "
      "digit each. Add up the year's digits, then that sum's digits, and stop, even at 10. Add the "
      "three and reduce the total unless it is 11 or 22. What follows traces your road.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. From childhood, life pushes you to the "
      "front; a parent's night shifts can make you the one who walks a younger brother to school. "
      "You learn to decide because no one else will, and to act before doubt can catch up. Working "
      "for a boss rarely suits you for long. You might quit a secure job to open a bicycle shop "
      "with more passion than capital. If it closes before its second Christmas, you sign a lease "
      "on another within weeks, now with more humility and a bookkeeper paid by the hour while you "
      "true the wheels. That one holds. Its debts and its mistakes are yours alone, which is "
      "exactly how you want it.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. Think of a second violinist in a "
      "string quartet who brings warmth to the score without drowning out the first violin. Much "
      "of what you become, you become in partnerships of that kind, and the player at the next "
      "music stand, whether a mentor or a rival, shapes you as books cannot. You pay for your love "
      "of harmony, though. Yielding to dodge a quarrel only postpones it. You flourish in the "
      "partnership that survives your firm no, where every line can be heard.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. Talents show up early and in numbers, "
      "each of them tempting. For a while the path feels like a fair with too many stalls. A few "
      "years after school, one craft begins to ask more of you than the rest, and you give it the "
      "evenings you used to spread across five hobbies. Good spirits carry you through the middle "
      "of a big project, the stretch where beginners drop away. A novel that forty agents turn "
      "down will test that cheer. You read each rejection to the end and pin above your desk the "
      "single letter that got it right.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people. This path "
      "has the pace of an orchard planted from bare saplings. For several years there is little to "
      "show but pruning and staking, while neighbors harvest quicker crops yet come to borrow your "
      "ladder. A late frost can take a year's blossom, and you spend the summer patching fences "
      "instead. At last the trees bear, first a few apples, then more bushels than your household "
      "can use. You press the surplus into cider and sell it at the roadside, at a price that "
      "covers the next row of saplings.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. Jobs and homes "
      "change often, and a chance meeting on a train can send you to another continent. You adapt "
      "faster than most, picking up the local dialect while your companions are still reading the "
      "map. By the third move you can pack a kitchen in an hour. Still, the years you stay put "
      "offer gifts of their own: months spent mastering a single nocturne on the piano, or a "
      "friendship kept up after its novelty has worn thin. Both go with you afterward, the friend "
      "on the phone and the nocturne on borrowed pianos in rented apartments from Lisbon to "
      "Shanghai.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. Your circle of "
      "care widens from one household to a neighborhood. A carpool you start during a bus strike "
      "becomes a cooperative, and a petition about a dangerous crossing ends with a traffic light "
      "and you on the school board. Neither project comes with a manual; you improvise both. Soon "
      "the street defers to you, tempting you to impose your answers. Your harder task is to let "
      "people choose for themselves, even wrongly. If a neighbor ignores your warning and his "
      "basement floods, you bring a pump and say nothing.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. All the same, most who take this path need "
      "a "
      "spell of withdrawal, usually when a career that looked right stops making sense. You may "
      "walk the nearly five hundred miles of the old pilgrim road to Santiago or simply decline "
      "all "
      "invitations for a winter. The work done then is private and unhurried. You come back "
      "clearer "
      "about what matters to you, and with no urge to preach it.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money and power. You are "
      "likely to know fat years and lean ones. A building bought at the peak of a boom can lose "
      "half its value in a year and recover it in five. Each reversal shows you what money can and "
      "cannot do. Lean years also sharpen your eye for trades that have fallen behind: a family "
      "bakery, say, whose orders triple after you put it online. Later even rivals seek your "
      "judgment before they act. How you use such influence shows what all the striving was for.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn sympathy for strangers. You "
      "might settle far from home, in a seaport where a dozen languages share a street, and "
      "prosper "
      "as an importer of saffron. Each season in that port adds a friend and a broader sense of "
      "how "
      "other families manage. You say many farewells and learn to keep them short. You know, too, "
      "what not to tell a grieving widower, and when to simply put a pot of coffee on.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. You sense other "
      "people's moods before they have named them, a gift that draws you toward counseling. That "
      "sensitivity can exhaust you, and in your first years you carry clients' griefs home on the "
      "bus. In time you learn to hang them up with your coat, to tell which troubles you can ease "
      "and which need a doctor, and to say so kindly.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. You are meant to build on "
      "a large scale, and not only for yourself. Doubt grows with the size of the task, so you "
      "tend to spend your twenties aiming low, running someone else's warehouse and keeping its "
      "trucks rolling. Then a modest project of your own succeeds and shows what you can carry. A "
      "regional hospital with a hundred beds follows, and with it budgets to balance and delays to "
      "outlast. The day it opens, you are already pacing off a vacant lot in the next county.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
