// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. The day and month of birth are each reduced to "
      "one digit. The year's digits are added, then that sum's digits, which can leave 10. The "
      "total of the three results, unless it is exactly 11 or 22, is reduced to one digit.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. If a parent works nights, you may be "
      "the one facing the landlord at age ten. Fixing bicycles on your block could earn your "
      "spending money. You chafe in a salaried job, where a boss must sign off on your choices and "
      "a committee on your boss's. You might then open a bicycle repair shop on borrowed money, "
      "its tools and racks bought secondhand at a county auction. If it folds, you sign a lease on "
      "a humbler storefront the same month. A bookkeeper paid by the hour keeps the accounts while "
      "you straighten bent wheels. The second shop tends to hold. Whatever it owes is yours to "
      "answer for, not a partner's.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. Think of the second violinist in a "
      "string quartet, who shapes each phrase of her part without drowning out the first violin. "
      "Much of what you become, you become in pairings of that kind, and the player beside you, "
      "whether a mentor or a rival, sets the standard you rise to. Fitting in so easily carries a "
      "cost, though. Yielding to dodge a quarrel merely postpones it. You flourish in a "
      "partnership where every line can be heard, one that weathers your firm no.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. So many talents crowd in that at first "
      "the path feels like a fair with too many stalls. Perhaps you juggle for tips on a boardwalk "
      "one summer, then run a puppet theater at the library all winter. Eventually the talents may "
      "merge into one act, such as a science show in which you, in goggles and a lab coat, make a "
      "model volcano erupt and explain why. The fizz would hold a child's attention while the "
      "chemistry sinks in. Before the curtain rises on any act of yours, you have a sequel "
      "outlined on the back of the script.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people. Say you "
      "plant an orchard from bare-root saplings on a windy slope. For several years there is "
      "little to show but pruning and staking, while other growers reap quicker crops and ask when "
      "yours will pay. A late frost can take a year's blossoms, yet you spend that season weeding "
      "and spraying, with nothing to pick. At last the trees bear more than you can use, and a "
      "roadside stand sells your surplus as cider. The next row is grafted from your healthiest "
      "tree, on land you have bought outright.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. You welcome a new "
      "method the day you hear of it, and one chance meeting on a train can send you to another "
      "continent. Yet wherever you land, you settle in without hurry, learning the streets on foot "
      "until you can walk them blindfolded. Your talents ripen at that same patient pace: a wooden "
      "dinghy built from printed plans in one port, glassblowing studied under a seasoned master "
      "in the next. A friendship formed along the way is kept up by phone and postcard after its "
      "novelty wears thin. You stay in each city until its jokes no longer need translating.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. During a transit "
      "strike, a carpool you organize can grow into a cooperative, and a petition about a "
      "dangerous crosswalk can win a traffic light. The neighborhood comes to count on you as much "
      "as your own household does; a seat on the school board could follow in time. As the street "
      "defers to you more, you are tempted to impose your solutions, though people have a right to "
      "choose for themselves, even wrongly. If a neighbor ignores your warning and his basement "
      "floods, your pump is on his steps within the hour.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. Anyone who asks, an old uncle or a friend "
      "in a failing marriage, can draw on that calm and warmth. Such giving can wear you thin, "
      "most of all when your own line of work no longer makes sense. You may then walk the five "
      "hundred miles of the old pilgrim road to Santiago alone, a scallop shell on your pack. Home "
      "again, you would be fond of fewer people, and fonder of those few.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money and power. You "
      "watch slumps more closely than booms, because in a slump good buildings and businesses "
      "change hands at a fraction of their worth. Your eye goes to firms that have fallen behind: "
      "a third-generation bakery that you could buy for little and revive with online orders and a "
      "van sent out before dawn. Rivals who doubted the purchase would then ask for your opinion "
      "on deals of their own. You spend whatever influence you gain as carefully as any capital.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn sympathy for strangers. You "
      "might settle far from home, in a seaport where a dozen languages share one street, and "
      "train as a harbor pilot, well paid for guiding ships of every nation up the channel. Talk "
      "on the bridge would turn to families overseas. You would learn to greet most crews in their "
      "own tongues. There would be chocolate in your jacket pocket for the youngest deckhands.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. You find meaning in "
      "events others call chance, a knack that sharpens as you go. It could lead you to volunteer "
      "at a hospice, sitting with the dying of any creed or none. You would learn a few prayers of "
      "each faith. The nurses would soon depend on you. You log those chance events in a pocket "
      "notebook, dated like a birder's sightings.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. You are meant to organize "
      "on a large scale, and not only for yourself. Doubt grows with the size of the task, so you "
      "could start out small, perhaps loading trucks at a grocery chain's warehouse. Volunteering "
      "to untangle a food bank's pickups from a handful of farms would show what you can carry. A "
      "decade later, your routes would bring produce from four hundred farms to the region's "
      "pantries. By then you would recognize the farmers from the handwriting on their crates.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
