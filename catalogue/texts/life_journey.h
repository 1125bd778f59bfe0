// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. It is reckoned from your full date of birth "
      "and reduced to one digit, unless the total is a master number, 11 or 22. It describes "
      "the road you travel in life, the tasks that road sets you, and what the years teach you.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. From childhood, life pushes you to "
      "the front; a parent's night shifts may make you the one who walks a younger brother to "
      "school. You decide early because no one else will, and the habit builds a temperament "
      "that runs on enthusiasm and physical energy. When a plan collapses, you have the next "
      "one under way by Monday. Early adulthood tests your aim. Passion spread across ten "
      "causes burns out like a brush fire; kept in one furnace, it can drive an engine. Choose "
      "a target worthy of your determination and hold to it. The last lesson is the hardest: "
      "knowing when to lean on someone and share the credit.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. Think of a musician in a "
      "quartet, who brings feeling to the score without drowning out the cello. Your road runs "
      "through partnerships of that kind, and you learn most from the person across the table, "
      "whether a teacher or rival. You prefer a shared success to a solo one. Keeping quiet to "
      "dodge a quarrel only postpones it, though; by middle age you should be able to say no "
      "without apology. You are happiest in years when both voices of the duet can be heard.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. Talents turn up early and in "
      "numbers, each of them tempting. The early years can feel like a fair with too many "
      "stalls. Before thirty you must choose, because one craft pursued for ten years gives "
      "more than ten crafts sampled for a few months, and your intellect can tell which "
      "deserves the time. Your good spirits then carry you through the dull middle of a "
      "project, the stretch where beginners give up. A failed venture or a lean year will test "
      "that cheer. Keep it honest: read the bad news before you decide to smile.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people. An "
      "orchard is a truer picture of your progress than a lottery ticket. You plant, prune, "
      "and wait through bare years until the branches bend low. Duties arrive in childhood; "
      "you may be minding the family shop while classmates mind nothing at all. Savings grow "
      "slowly, but they stay. Yet an orchard needs its winters, and you may take decades to "
      "believe it. Once you take idle weeks without guilt, the trees do better, and so do you. "
      "By sixty, the harvest may feed more households than your own.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. Your life seldom "
      "runs straight for long. Jobs change, addresses change, and a chance meeting on a train "
      "can redirect a decade. You adapt faster than most, picking up a city or a language "
      "while your companions are still unpacking. Variety makes you grow, but the surprise of "
      "this path is how much the pauses teach you, too: the year you devote to one stubborn "
      "project, the friendship you patiently keep after its novelty has faded. In your fifties "
      "you may find yourself tranquil, a state you once distrusted, with the road now a choice "
      "instead of an escape.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. You notice "
      "sadness in a face before anyone else does, and over the years your circle of care "
      "widens from a household to a whole neighborhood. You sense what a family needs without "
      "being told and invent a way to supply it. You may end up chairing the school board. "
      "Held lightly, such power builds a street where neighbors thrive; gripped too hard, it "
      "turns into control. Much of midlife goes into telling these two apart. Last of all, you "
      "learn to put your own needs on the list and let someone else cook, for once.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. Even so, your path turns toward "
      "solitude at some point, often after a loss in your thirties. A library carrel or the "
      "hour before the house wakes becomes your workshop, and the labor there is prayer, or an "
      "honest reckoning with what life is for. Those years might look idle from the outside. "
      "You emerge from them gentler and surer, with a spiritual vision clear enough to share.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money and power. "
      "Upheavals are your teachers. A business you build may fail in a single year and rise "
      "again in a new form; an inheritance may arrive, or vanish, with little warning. Each "
      "reversal shows what money can and cannot do. Your strength is invention: you spot where "
      "an old trade needs a new method and dare to try it. Authority eventually arrives, "
      "almost unasked. How you spend it, on yourself or on those who rely on you, decides what "
      "all the striving was for.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn sympathy for strangers. "
      "Your road passes through many kinds of lives, and each one adds to what you understand. "
      "Money does reach you, yet it rarely stays in your hands; you pass it on to a cause or a "
      "friend in trouble. Many chapters close along your way, some by choice and some by "
      "chance. Every goodbye you meet with grace becomes part of your wisdom, which no one can "
      "take from you.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. You pick up moods "
      "as a radio picks up stations, a gift that draws you toward teaching or counseling. The "
      "same receptiveness can exhaust you, so you need a shelter, perhaps a garden, where you "
      "take in nothing but birdsong and weather. Someday you will judge your years by the "
      "students who have outgrown you and by what they taught you.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. You are meant to build "
      "on a large scale, perhaps a clinic or a company that employs half a town, and not only "
      "for yourself. You master budgets and outlast one delay after another. Doubt grows with "
      "the size of the task, and many with this gift spend their twenties aiming low. The turn "
      "arrives when a modest project succeeds and shows what you can carry. Health is the one "
      "budget you neglect. Whatever you raise, in brick or in trained successors, is likely to "
      "outlive you.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
