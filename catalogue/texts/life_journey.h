// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. It maps your life path. The day and the month of "
      "birth are each reduced to one digit. The year's digits are added, then that sum's digits, "
      "and a 10 stays 10. The three are summed and reduced unless they total 11 or 22.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. From childhood you look after yourself; "
      "a parent's night shifts can have you facing the landlord at age ten. You make your own "
      "decisions early because no one else will. Before long you chafe at a regular paycheck and "
      "at any boss who must sign off on your choices. You might quit outright to open a bicycle "
      "repair shop with borrowed money. If that one closes, you sign a lease on a humbler "
      "storefront almost at once, with a bookkeeper paid by the hour to keep the accounts while "
      "you straighten the bent wheels. The second shop tends to hold. Each debt on its books is "
      "yours to answer for, not a partner's.";
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
    = "You are entertainers, optimists and very creative. You have so many talents that at first "
      "the path feels like a fair with too many stalls. Perhaps you juggle for coins outside a "
      "museum one summer and run a puppet show at the library the next. Eventually the talents "
      "tend to merge into one act, a science show where you, in goggles, make a volcano erupt and "
      "explain why. Children would come for the fizz and stay for the chemistry. Networks could "
      "pass on the show's pilot eleven times. After each refusal you would head back to a borrowed "
      "garage to film a funnier episode.";
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
      "until the corner grocer has your order ready before you ask. Each long stay yields its "
      "gifts in that same patient way: months spent mastering a single nocturne on the piano, a "
      "friendship kept up after its novelty wears thin. Both go with you to the next city, the "
      "friend on the phone and the nocturne on other people's pianos in Lisbon, Tunis, and "
      "Shanghai.";
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
    = "You tend to be calm and affectionate by nature. For years you spend your calm and warmth on "
      "anyone who asks, an aging uncle or a colleague in a failing marriage. You run dry from so "
      "much giving, usually just as a career that looked right stops making sense. You may then "
      "walk the five hundred miles of the old pilgrim road to Santiago on your own. Back home, you "
      "would be fonder of fewer people, with whole evenings for each.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money and power. A "
      "building bought at a boom's peak can lose half its value in a year and regain it in five. "
      "You can ride out a few such swings without selling in a panic. The lean stretches sharpen "
      "your eye for firms the times have passed by: a family bakery, say, that you buy cheaply and "
      "revive with online orders and a van sent out before dawn. Later even rivals seek your "
      "judgment. How you use the sway their trust gives you will show what all the striving was "
      "for.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn sympathy for strangers. You "
      "might settle far from home, in a seaport where a dozen languages share one street, and "
      "train as a harbor pilot, well paid for guiding ships of every nation up the channel. Talk "
      "on the bridge would turn to families an ocean away. In time you would greet each crew in "
      "its own tongue. There would be chocolate in your jacket pocket for the youngest deckhands.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. You see meaning in "
      "events others call chance, and the sense grows as you go. It could lead you to volunteer at "
      "a hospice, sitting with the dying of every creed and of none. At first you would mourn each "
      "death for days. The nurses would come to rely on you, as you could tell which bedside "
      "wanted words and which needed a hand to hold.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. You are meant to organize "
      "on a large scale, and not only for yourself. Doubt grows with the size of the task, so you "
      "are likely to start out small, loading trucks at a grocery chain's warehouse. Volunteering "
      "to untangle a food bank's pickups from a handful of farms could show what you can carry. A "
      "decade later your routes would bring produce from four hundred farms to the region's "
      "pantries. By then you would know many of the farmers by the handwriting on their crates.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
