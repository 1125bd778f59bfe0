// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. It maps your path. The day and month of birth "
      "are each reduced to one digit. The year's digits are added, then that sum's digits; a 10 "
      "stays 10. The three are summed and reduced to one digit unless they total 11 or 22.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. If a parent works nights, you may be "
      "the one facing the landlord at age ten. Fixing neighbors' bicycles could soon earn your "
      "spending money. You chafe in a salaried job, where a boss must sign off on your choices and "
      "a committee on your boss's. What tends to follow is a bicycle repair shop opened on "
      "borrowed money, your name painted on the front window. If that one closes, you sign a lease "
      "on a humbler storefront almost at once. A bookkeeper paid by the hour keeps the accounts "
      "while you straighten bent wheels. The second shop tends to hold. Whatever it owes is yours "
      "to answer for, not a partner's.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. Think of the second violinist in a "
      "string quartet, who shapes each phrase of her part without drowning out the first violin. "
      "Much of what you become, you become in pairings of that kind, and the player beside you, "
      "whether a mentor or a rival, sets the standard you rise to. That gift for blending carries "
      "a cost, though. Yielding to dodge a quarrel merely postpones it. You flourish in the "
      "partnership that weathers your firm no, where every line can be heard.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. So many talents crowd in that at first "
      "the path feels like a fair with too many stalls. Perhaps you juggle for coins on a "
      "boardwalk one summer and run a puppet show at the library the next. Eventually the talents "
      "tend to merge into one act, a science show where you, in goggles, make a model volcano "
      "erupt and explain why. The fizz would hold a child's attention while the chemistry sinks "
      "in. The show's pilot could be shot on a shoestring in a borrowed garage, its walls already "
      "pinned with scripts for a second season.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people. Say you "
      "plant an orchard from bare-root saplings on a windy slope. For several years there is "
      "little to show but pruning and staking, while other growers reap quicker crops and ask when "
      "yours will pay. A late frost can take a year's blossoms, yet you spend that season weeding "
      "and spraying, with nothing to pick. At last the trees bear more than you can use, and a "
      "roadside stand sells your surplus as cider. The next row is grafted from your best tree, on "
      "land you have since bought outright.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. You welcome a new "
      "method the day you hear of it, and one chance meeting on a train can send you to another "
      "continent. Yet wherever you land, you settle in without hurry, learning the streets on foot "
      "until you can walk them blindfolded. Your talents grow at that same patient pace: a wooden "
      "dinghy built from plans in one port, a single nocturne mastered on the piano in the next. A "
      "friendship formed along the way is kept up by phone after its novelty wears thin. The "
      "nocturne would travel with you to strangers' pianos in, say, Lisbon, Tunis, or Shanghai.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. During a transit "
      "strike, a carpool you organize can grow into a cooperative, and a petition about a "
      "dangerous crosswalk can win a traffic light. Soon the neighborhood counts on you as much as "
      "your household does; a seat on the school board is likely to follow. As the street comes to "
      "defer to you, the temptation is to impose your solutions. The harder task is to let people "
      "choose for themselves, even wrongly. If a neighbor ignores your warning and his basement "
      "floods, your pump is on his steps within the hour.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. Anyone who asks can draw on that calm and "
      "warmth, an old uncle or a colleague in a failing marriage. Such giving can wear you thin, "
      "perhaps when a career that looked right stops making sense. You may then walk the five "
      "hundred miles of the old pilgrim road to Santiago alone, a scallop shell on your pack. Home "
      "again, you would be fond of fewer people, and fonder of those few.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money and power. You "
      "watch slumps more closely than booms, because in a slump good buildings and businesses "
      "change hands at a fraction of their worth. Your eye goes to firms that have fallen behind: "
      "a family bakery, say, that you buy for little and revive with online orders and a van sent "
      "out before dawn. Rivals who doubted the purchase begin to seek your judgment on their own "
      "deals. How you use the sway their trust gives you will show what all the striving was for.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn sympathy for strangers. You "
      "might settle far from home, in a seaport where a dozen languages share one street, and "
      "train as a harbor pilot, well paid for guiding ships of every nation up the channel. Talk "
      "on the bridge would turn to families an ocean away. You would soon greet most crews in "
      "their own tongue. There would be chocolate in your jacket pocket for the youngest "
      "deckhands.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. You find meaning in "
      "events others call chance, and the sense grows as you go. It could lead you to volunteer at "
      "a hospice, sitting with the dying of any creed or none. You would mourn each death for "
      "days. The nurses would soon lean on you, since you would know from the doorway which "
      "bedside wanted talk and which wanted only silence.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. You are meant to organize "
      "on a large scale, and not only for yourself. Doubt grows with the size of the task, so you "
      "are likely to start out small, loading trucks at a grocery chain's warehouse. Volunteering "
      "to untangle a food bank's pickups from a handful of farms could show what you can carry. A "
      "decade later, your routes would bring produce from four hundred farms to the region's "
      "pantries. The handwriting on a crate would tell you by then which farmer had packed it.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
