// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and what you secretly "
      "want. It is taken from the vowels of your full name, and it speaks for the motives you "
      "rarely admit.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any contest of your choosing. "
      "Your hidden wish is plain: to be first to try, first to arrive, first to prove a thing "
      "can be done. Borrowed aims leave you cold. Let the challenge be of your own making, "
      "though, and a fierce, glad energy wakes in you that no prize could buy.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. Quarrels "
      "trouble you long after others have forgotten them. What you want most is a bond that "
      "deepens with the years, a partner to learn beside. A shared joke at breakfast, a kind "
      "word at the right moment: these mean more to you than applause.";
static_assert(Soul2.size() == 318);

inline constexpr std::string_view Soul3
    = "You achieve a sense of pleasure when you are involved in making something, be it a "
      "poem, a sketch, or a neat answer to some knotty problem. You expect the next idea to "
      "beat the last, and failures look to you like first drafts. Your mind loves play: talk "
      "that leaps from topic to topic delights it. Admiration is pleasant; understanding is "
      "better, above all from a friend who catches your meaning halfway through a sentence.";
static_assert(Soul3.size() == 423);

inline constexpr std::string_view Soul4
    = "At hand there is an ever-present need to consider sheltered and safe all that you care "
      "for. Until the roof is mended and the savings are counted, you cannot truly relax. "
      "Beneath that caution lies a hope for peace: an evening with nothing left undone, a full "
      "pantry, a family at ease. Responsibility is no burden to you; it is how you love. A "
      "well-kept home, paid for, is your idea of abundance.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own time lives at your "
      "center. A fixed timetable feels like a fence. Yet motion for its own sake is never the "
      "point: you want to grow, and each new place or person seems to hold a lesson you still "
      "lack. Deep down, you also want a harbor, a calm place to come back to between voyages.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential source of "
      "contentment to you. You long to create a home that feels like shelter to all who enter "
      "it, and beautiful as well. Your imagination works hardest for the people you love. "
      "There is power in that devotion, though you would never use it as a weapon.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of why anything "
      "exists at all. A good question can keep you company for a decade. You work on yourself "
      "as an oyster builds a pearl: slowly, layer upon layer. A single clear glimpse of "
      "meaning repays you for months of doubting.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to leave a mark that others "
      "can measure. Secretly, you relish the moment when everything changes, when your own "
      "idea turns a sleepy market upside down. Comfort bores you. You crave reinvention and "
      "the respect that follows when a risk pays off. What the ambition truly seeks is proof "
      "that you were right to trust yourself.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive that helps people you "
      "will never meet. Wealth, to you, is a tool rather than a mere trophy. In your heart you "
      "hope to grow wise, to understand enough of human trouble to ease some of it. You do not "
      "fear old age; you see it as the season when all you have learned can finally be given "
      "away.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Like 2, it places partnership at the "
      "heart of your desires, but its longing reaches past the private circle. You hope to "
      "inspire other people and to help them become who they might be. Beauty and questions of "
      "faith move you deeply, and ordinary success leaves you hungry. Happiness means a life "
      "in which your ideals and your days agree.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting hunger to leave the world "
      "better organized than you found it. A comfortable private life is pleasant but never "
      "quite answers that hunger. You feel responsible for people you have not met and for "
      "institutions that do not exist yet. Even your daydreams come with schedules attached. "
      "Prosperity matters to you because it can be shared. In quieter hours you long for peace "
      "too, for a season to rest and watch your work grow.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
