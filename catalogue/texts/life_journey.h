// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. It maps your life path. Your day and month of "
      "birth are each reduced to one digit; the year's digits are added, then the sum's, stopping "
      "there, even at 10. The three are summed and reduced unless the total is 11 or 22.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. From childhood, life pushes you to the "
      "front; a parent's night shifts can have you dealing with the landlord at ten. You learn to "
      "decide because no one else will, and to act fast enough to outrun doubt. A sure paycheck "
      "starts to chafe after a while. You might quit outright and open a bicycle repair shop with "
      "borrowed money. If it closes by its second Christmas, you sign a lease on a humbler "
      "storefront within a month and hire a bookkeeper by the hour to keep the accounts while you "
      "true the wheels. The new shop tends to hold. Its debts and its mistakes are yours alone, "
      "which is just how you want it.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. Think of a second violinist in a "
      "string quartet who gives depth to the music without drowning out the first violin. Much of "
      "what you become, you become in pairings of that kind, and the player at the neighboring "
      "stand, whether a mentor or a rival, sets the standard you rise to. Your gift for blending "
      "costs you, though. Yielding to dodge a quarrel merely postpones it. You flourish in the "
      "partnership that weathers your firm no, where every line can be heard.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. So many talents tempt you that for a "
      "while the path feels like a fair with too many stalls. Perhaps you juggle for coins outside "
      "a museum one summer and run a puppet show at the library the next. Eventually your talents "
      "merge into one act, a science show for children in which you, in goggles, make a volcano "
      "erupt and explain why it does. Children who come for the bang stay for the chemistry. "
      "Networks may pass on the pilot eleven times. Each refusal only sends you back to a borrowed "
      "garage to film a funnier episode.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people. This path "
      "has the pace of an orchard planted from bare saplings. For several years there is little to "
      "show but pruning and staking, while neighbors reap quicker crops and ask when yours will "
      "pay. One late frost can take a year's blossoms; then the summer goes to weeding and "
      "spraying, with nothing to pick. At last the trees bear, first a few apples, then more "
      "bushels than your family can use. You press the surplus into cider and graft the next row "
      "with cuttings from the best tree you have.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. You change jobs and "
      "homes often, and a chance meeting on a train can send you to another continent. You adapt "
      "faster than most, ordering lunch in the local dialect while your companions are still "
      "reading the map. By the third move you can pack a kitchen in an hour. Yet the years you "
      "stay put offer gifts of their own: months spent mastering one nocturne on the piano and a "
      "friendship kept up after its novelty wears thin. Both go with you afterward, the friend on "
      "the phone and the nocturne on borrowed pianos in rented apartments from Lisbon to Shanghai.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. Your circle of "
      "care widens from a household to a neighborhood. A carpool you start during a bus strike "
      "becomes a cooperative, and a petition about a dangerous crossing wins a traffic light. You "
      "sense the need for both before anyone voices it. A place on the school board follows. By "
      "then the street defers to you, tempting you to impose answers. The harder task is to let "
      "people choose for themselves, even wrongly. If a neighbor ignores your warning and his "
      "basement floods, you bring over a pump and say nothing.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. Early on, you spend your warmth on anyone "
      "who asks, from a widowed neighbor to a colleague whose marriage is failing. You run dry "
      "from so much giving, usually just as a career that looked right stops making sense. You may "
      "then walk the nearly five hundred miles of the old pilgrims' road to Santiago on your own. "
      "You return fonder of fewer people, with whole evenings for each.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money and power. A "
      "building bought at a boom's peak can lose half its value in a year and win it back in five. "
      "You can ride out three or four such swings without selling in a panic. The lean stretches "
      "sharpen your eye for firms the times have passed by: a family bakery, say, that you buy "
      "cheaply and revive by taking orders online and sending its van out before dawn. Later on, "
      "even rivals seek your judgment. How you use such influence shows what the striving was for.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn sympathy for strangers. You "
      "might settle far from home, in a seaport where a dozen languages share one street, and "
      "train as a harbor pilot, well paid for guiding ships of every nation up the channel. Talk "
      "on the bridge would turn to families across an ocean. In time you would greet each crew in "
      "its own language. The youngest deckhands would expect chocolate from your jacket pocket.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. Events that others call "
      "chance seem to you to carry meaning, a sense that grows as you go. It may lead you to "
      "volunteer at a hospice, keeping watch through the night with the dying of every creed and "
      "of none. Your early vigils weigh on you for days. With practice you can tell which bedside "
      "wants words and which wants a hand to hold.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. You are meant to organize "
      "on a large scale, and not only for yourself. Doubt grows with the size of the task, so you "
      "tend to spend your twenties aiming low, loading a grocery chain's trucks. Then volunteering "
      "to untangle a food bank's pickups from three farms shows what you can carry. A decade later "
      "your routes bring produce from four hundred farms to the region's pantries. You know most "
      "of the drivers by name and many of the farmers by the handwriting on their boxes.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
