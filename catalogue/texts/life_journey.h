// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. To find it, add up the digits of your full "
      "date of birth and reduce the total to one digit, unless it is a master number, 11 or "
      "22. What follows traces the road you travel in life and the tasks set before you along "
      "it.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. From childhood, life pushes you to "
      "the front; a parent's night shifts may make you the one who walks a younger brother to "
      "school. You decide early because no one else will, and the habit builds a temperament "
      "that runs on enthusiasm and physical energy. Working for a boss rarely suits you for "
      "long. Many on this path quit a secure job to open a bicycle shop. The first often fails "
      "loudly; the second, begun with the same passion and more humility, tends to hold. "
      "Accepting a partner's help is harder than any launch. Once you can manage it without "
      "feeling smaller, you are freer than you ever were alone.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. Think of a second violinist in a "
      "string quartet who brings feeling to the score without drowning out the cello. Much of "
      "what you become, you become in partnerships of that kind, and the player at the next "
      "music stand, whether a mentor or a rival, shapes you more than books. You pay for your "
      "love of harmony, though. Agreeing to dodge a quarrel only postpones it. You flourish in "
      "the partnership that survives your first firm no, where every line can be heard.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. Talents show up early and in "
      "numbers, each of them tempting. For a while the path feels like a fair with too many "
      "stalls. Sometime in your twenties one craft begins to ask more of you than the rest, "
      "and your intellect can tell that it deserves the time. Good spirits carry you through "
      "the middle of a big project, the stretch where beginners drop away. A failed venture, "
      "perhaps a food truck that folds after one winter, will test that cheer. It holds best "
      "when you read the bad news first and decide to smile afterward.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people. This "
      "path has the pace of an orchard planted from bare saplings. For several years there is "
      "little to show but pruning and staking, while neighbors sell quicker crops and others "
      "lean on you to cover their shifts and keep the family firm solvent. Then the trees "
      "repay you, a few apples and then bushels, until the fruit is more than one household "
      "can use. Yet an orchard needs its winters, a fact you may be slow to believe. An apple "
      "tree denied its winter chill blooms poorly and bears little.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. Jobs and homes "
      "change often, and a chance meeting on a train can send you to another continent. You "
      "adapt faster than most, picking up the local dialect while your companions are still "
      "reading the map. By the third move you can pack a kitchen in an hour. Yet your best "
      "growth often happens when you stay put, in a winter spent mastering a single nocturne "
      "on the piano or in a friendship kept up once its novelty has worn thin. The moves grow "
      "rarer as time goes on, bringing a calm you once distrusted. You still travel, though "
      "now you also enjoy unpacking.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. Your circle "
      "of care widens from a household to the whole neighborhood. A carpool you improvise one "
      "winter grows into a cooperative, and a petition about a dangerous crossing ends with a "
      "traffic light and you on the school board. Neither project came with a manual; you "
      "invented both. Before long the street defers to you. Seeing the answer to someone "
      "else's problem, you are tempted to impose it. Your harder task is to let people choose "
      "for themselves, even wrongly. Some evenings you let a neighbor cook for you.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. Even so, most who take this path need a "
      "long spell of withdrawal, often when a career that once looked right stops making "
      "sense. You may walk the nearly five hundred miles of the old pilgrim road to Santiago "
      "or simply decline invitations for a whole winter. The work done then is slow and "
      "private. You come back clearer about what matters to you, and with no urge to preach "
      "it.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money and power. You "
      "are likely to know plenty and want by turns. A business you build may fail in a single "
      "year and rise again in a new form. Each reversal shows you what money can and cannot "
      "do. The worst of them also sharpen your eye for an old trade that has fallen behind, "
      "and you are often first to fix it, putting a family bakery online. In time colleagues "
      "and even rivals look to you to decide. How you spend that authority reveals what all "
      "the striving was for.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn sympathy for strangers. "
      "You may settle far from home, perhaps in a seaport where a dozen languages share a "
      "street. There you might prosper as an importer of saffron. Every season there adds a "
      "friend and a wider sense of how other families manage. You say many farewells and learn "
      "to say them well. You know, too, what not to say to a grieving widower, and when simply "
      "to make the tea.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. You pick up moods "
      "as a radio picks up stations, a gift that draws you toward counseling. The same "
      "receptiveness can exhaust you, so you need spells when nothing reaches you but weather, "
      "such as a swim across a cold lake. With practice you learn to tune out as well as in. "
      "That skill, more than the gift, decides how many you can help.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. You are meant to build "
      "on a large scale, and not only for yourself. Doubt grows with the size of the task, so "
      "many with this gift spend their twenties aiming low, running someone else's warehouse. "
      "Then a modest project of your own succeeds and shows what you can carry. A regional "
      "clinic with a hundred beds may follow, and with it budgets to master and delays to "
      "outlast. Builders of your kind last longest when they guard one unhurried day a week as "
      "firmly as the books.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
