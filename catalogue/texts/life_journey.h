// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. It maps your life path. Day and month of birth "
      "are each reduced to one digit. The year's digits are added, then that sum's digits, even if "
      "this gives 10. The three are summed and reduced unless their total is 11 or 22.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. From childhood you look after yourself; "
      "a parent's night shifts can have you facing the landlord at age ten. You learn to decide "
      "because no one else will. Before long you chafe at a sure paycheck and at any boss who must "
      "sign off on every choice. You might quit outright to open a bicycle repair shop with "
      "borrowed money. If it closes by its second Christmas, you sign a lease on a humbler "
      "storefront within the month, with a bookkeeper paid by the hour to keep the accounts while "
      "you true the wheels. The new shop tends to hold. Its debts and its mistakes are yours "
      "alone, which is just how you want it.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. Think of the second violinist in a "
      "string quartet, who shapes each phrase of her part without drowning out the first violin. "
      "Much of what you become, you become in pairings of that kind, and the player beside you, "
      "whether a mentor or a rival, sets the standard you rise to. Your gift for blending carries "
      "a cost, though. Yielding to dodge a quarrel merely postpones it. You flourish in the "
      "partnership that weathers your firm no, where every line can be heard.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. So many talents tempt you that for a "
      "while the path feels like a fair with too many stalls. Perhaps you juggle for coins outside "
      "a museum one summer and run a puppet show at the library the next. Eventually your talents "
      "merge into one act, a science show for children in which you, in goggles, make a volcano "
      "erupt and explain why it does. Children who come for the bang stay for the chemistry. "
      "Networks may pass on its pilot eleven times. Each refusal only sends you back to a cousin's "
      "garage to film a funnier episode.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people. Yours is the "
      "pace of a grower planting an orchard from bare-root saplings. For several years there is "
      "little to show but pruning and staking, while other growers reap quicker crops and ask when "
      "yours will pay. One late frost can take a year's blossoms; then the summer goes to weeding "
      "and spraying, with nothing to pick. At last the trees bear, first a few apples, then more "
      "bushels than your family can use. Your best tree supplies the scions for the next row, its "
      "surplus pressed into cider.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. You welcome a new "
      "method the day you hear of it, and one chance meeting on a train can send you to another "
      "continent. Yet wherever you land, you settle in without hurry, learning the streets on foot "
      "until the corner grocer has your order ready before you ask. Every long stay yields its "
      "gifts in the same patient way: months spent mastering a single nocturne on the piano, a "
      "friendship kept up after its novelty wears thin. Both go with you to the next city, the "
      "friend on the phone and the nocturne on other people's pianos in Lisbon, Tunis, and "
      "Shanghai.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. Your circle of "
      "care widens from a household to a neighborhood. A carpool you start in a bus strike becomes "
      "a cooperative, and a petition about a dangerous crossing wins a traffic light. You sense "
      "the need for both before anyone voices it. A place on the school board follows. By then the "
      "street defers to you, tempting you to impose answers. The harder task is to let people "
      "choose for themselves, even wrongly. If a neighbor ignores your warning and his basement "
      "floods, your pump is on his steps within the hour.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. For years you spend your calm and warmth on "
      "anyone who asks, an aging uncle or a colleague whose marriage is failing. You run dry from "
      "so much giving, usually just as a career that looked right stops making sense. You may then "
      "walk the five hundred miles of the old pilgrim road to Santiago on your own. You would come "
      "home fonder of fewer people, with whole evenings for each.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money and power. A "
      "building bought at a boom's peak can lose half its value in a year and regain it in five. "
      "You can ride out three or four such swings without selling in a panic. The lean stretches "
      "sharpen your eye for firms the times have passed by: a family bakery, say, that you buy "
      "cheaply and revive with online orders and a van sent out before dawn. Later, even rivals "
      "seek your judgment. How you use the sway it gives you will show what all the striving was "
      "for.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn sympathy for strangers. You "
      "might settle far from home, in a seaport where a dozen languages share one street, and "
      "train as a harbor pilot, well paid for guiding ships of every nation up the channel. Talk "
      "on the bridge would turn to families across an ocean. In time you would greet each crew in "
      "its own language. The youngest deckhands would expect chocolate from your jacket pocket.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. Events others call "
      "chance hold meaning for you, a sense that grows as you go. It may lead you to volunteer at "
      "a hospice, sitting with the dying of every creed and of none. At first you would grieve "
      "each death for days. Soon the nurses would rely on you, since you could tell which bedside "
      "wanted words and which needed a hand to hold.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. You are meant to organize "
      "on a large scale, and not only for yourself. Doubt grows with the size of the task, so you "
      "tend to spend your twenties aiming low, loading trucks for a grocery chain. Then "
      "volunteering to untangle a food bank's pickups from three farms shows what you can carry. A "
      "decade later your routes bring produce from four hundred farms to the region's pantries. "
      "Most of the drivers you know by name, many of the farmers by the handwriting on their "
      "crates.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
