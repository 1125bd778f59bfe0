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
    = "Your main purpose should be attaining independency. From childhood, circumstances push "
      "you to the front: a coach hands you the team, or a teacher leaves you in charge. You "
      "learn to decide quickly because no one else will. Such tests build a temperament that "
      "runs on enthusiasm and physical energy; you think best on your feet and meet a setback "
      "by starting something new. In early adulthood the work turns to direction, for passion "
      "without an aim burns hot and goes nowhere. Choose a target worthy of your determination "
      "and hold to it. Later comes a subtler test. A leader who accepts help and shares credit "
      "is rarer than a lone hero, and harder to become.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. Think of a musician in a "
      "quartet, who brings feeling to the score but never plays over the others. Your road "
      "runs through partnerships of that kind: a marriage, a friendship, a mentor who becomes "
      "a colleague. Much of what you learn comes from the person across the table. Success "
      "arrives shared and tastes sweeter that way. Still, you must find your own voice, for "
      "agreement kept by silence is not peace. Happiness here is a duet in which both parts "
      "are heard.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. Life hands you one talent after "
      "another: a knack for words, an ear for music, a quick grasp of ideas that others must "
      "study for weeks. The early years can feel like a fair with too many stalls. This road "
      "asks you to choose. One craft pursued for ten years gives more than ten crafts tried "
      "for a season, and your intellect can see which deserves the time. Optimism then carries "
      "you through the dull middle of a project. Hard times will test the cheer. Keep it "
      "honest, and let friends see you tired or unsure now and then.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people. Your "
      "progress resembles an orchard more than a lottery ticket. You plant, prune, and wait "
      "through seasons when nothing seems to happen, until at last the branches bend with "
      "fruit. Responsibility finds you young, sometimes before you are ready. Prosperity comes "
      "later than it does to your friends, but it stays longer. What this path withholds at "
      "first is rest. It may take years to learn that a free afternoon is not a debt and that "
      "peace is part of the harvest, not a reward for finishing it.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. Your life seldom "
      "runs in a straight line. Jobs change, addresses change, and a chance meeting on a train "
      "can redirect a whole decade. You adapt faster than most, learning a city or a language "
      "while others still unpack. Growth comes through variety, yet freedom is learned in the "
      "pauses: the season you stay put, the friendship kept long after its novelty fades. "
      "Patience comes hard to you, which is why it matters. In middle age you may find a "
      "tranquility you never expected, the calm of a traveler who has seen enough of the world "
      "to stop running from it.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. You notice a "
      "friend's sadness before anyone else does, and as the years pass your circle of care "
      "widens from a household to a whole neighborhood. Intuition tells you what people need; "
      "imagination finds a way to provide it: a garden, a song at bedtime, a budget that "
      "somehow stretches. Such care is a form of power. Held lightly, it builds homes where "
      "people thrive; gripped too hard, it turns into control. Much of this life is spent "
      "learning the difference, and learning to put your own needs on the list as well.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. Sooner or later your path leads into "
      "solitude. Long walks, years of study, or a retreat from the world become the places of "
      "your real work. The work is inward, whether it takes the form of prayer or of honest "
      "reflection on what life is for. Out of it grows a spiritual vision you can share. When "
      "you return to company, friends find you gentler and more certain of what matters.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money and power. The "
      "lessons come mostly through upheaval. A business you build may fail in a single season "
      "and rise again in a new form; an inheritance may arrive, or vanish, with little "
      "warning. Each reversal shows what money can and cannot do. Your strength is invention: "
      "you see where an old trade needs a new method and dare to try it. Later, authority "
      "comes readily. How you spend it, on yourself or on those who rely on you, decides what "
      "all the striving was for.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn sympathy for strangers. "
      "Yours is a long journey that passes through many kinds of lives: other countries, other "
      "classes, other beliefs. Each leaves you a little wiser. Wealth may come, but it rarely "
      "stays long in your hands; you pass it along to a cause or a friend in trouble. Many "
      "endings mark this path. Meet them with good grace, and the wisdom they leave behind is "
      "yours to keep.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. Teaching or "
      "counseling tends to claim you, and you learn as much from the people you serve as they "
      "learn from you. Success, for you, is measured in people helped rather than in prizes "
      "won. The sensitivity that guides your work also wears you out. Rest whenever you can, "
      "keep to simple daily routines, and let everyday happiness count.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. It asks you to build, "
      "and not only for yourself: a clinic, a school, a business that employs a town. Ideals "
      "alone will not do it. You learn to read a contract and to outlast a committee, while "
      "one delay after another tries your nerve. Doubt grows with the task, and many people "
      "with this gift spend their twenties aiming low. Once the work begins, it yields an "
      "abundance that outlives you. Guard your health along the way. A builder who never rests "
      "cannot finish the roof.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
