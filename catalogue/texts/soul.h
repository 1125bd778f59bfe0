// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and how you are at "
      "heart. It is taken from the vowels of your full name, and it voices the motives you "
      "seldom admit aloud.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any contest of your choosing. "
      "You long to be first: first across fresh snow, first to prove that a thing can be done. "
      "Goals someone else sets stir nothing but duty. Once the goal is yours, a fierce, glad "
      "energy wakes, enough to have you up before dawn and at it past dark.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. A harsh word "
      "at lunch can trouble your sleep hours after the speaker has forgotten it. You picture a "
      "bond that deepens with the years, a partner to learn beside. A shared joke at breakfast "
      "or a hand on your shoulder tells you that all is well.";
static_assert(Soul2.size() == 318);

inline constexpr std::string_view Soul3
    = "You achieve a sense of pleasure when you are involved in making something, be it a "
      "poem, a sketch, or a neat answer to some knotty problem. You expect the next idea to "
      "beat the last, and failures look to you like first drafts. You treasure the late hour "
      "when a stubborn line of verse or a column of figures falls at last into place. Nobody "
      "else needs to see it happen. By morning you are already hungry for the next puzzle.";
static_assert(Soul3.size() == 423);

inline constexpr std::string_view Soul4
    = "At hand there is an ever-present need to consider sheltered and safe all that you care "
      "for. Until the roof is mended and the savings are counted, you cannot relax. Your idea "
      "of luxury is an evening with nothing undone and everyone you love asleep upstairs. You "
      "would fix your neighbor's fence too, for peace of mind. A well-stocked pantry in "
      "December pleases you more than a ticket to anywhere.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own time lives at your "
      "center. A fixed timetable feels like a fence, and an empty Saturday like a fortune. You "
      "want to grow, and every new acquaintance seems to hold a lesson you lack. Yet you also "
      "want one fixed point, a person or a porch that stays put while everything else moves.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential source of "
      "contentment to you. On a bus you invent lives for strangers, guessing from a frayed "
      "cuff or mustard scarf what each needs. You hope those you admire will someday seek your "
      "advice and take it. You would use that influence gently, but you want it.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of why anything "
      "exists at all. You can carry a good question for a decade, turning it over like a "
      "pebble in a coat pocket. For a clear glimpse of meaning, at a graveside or under a "
      "night sky, months of doubt seem a fair price.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to leave a mark that others "
      "can measure. You live for the turn: the day you sell the old house or stake your "
      "savings on an untested idea. Comfort bores you fast. You crave reinvention, and the "
      "respect that follows when a risk pays off. Your ambition wants one thing above all: "
      "proof that you were right to trust yourself.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive that wins the respect of "
      "those wiser than you. You keep a private tally of each year's lessons. Money interests "
      "you because enough of it buys time to read and think. You hope to age like an olive "
      "tree, gnarled and still bearing fruit, and to know enough of human sorrow to ease some "
      "of it.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Like 2, it turns you toward "
      "partnership, but your longing reaches past the private circle. You want a kinship of "
      "spirit, a few souls who wonder what you wonder. Beauty moves you more readily than you "
      "let on, whether a choir in a cold church or a garnet window at nightfall. Questions of "
      "faith matter to you as much as questions of love.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting hunger to build what will "
      "serve its town a full century from now. Private comfort is pleasant but does not quite "
      "answer that hunger. You save and invest with an eye to what a fortune could found. You "
      "also long, more than you admit, for peace, a silver-gray morning beside a lake with "
      "nothing to decide. On a stroll you catch yourself redesigning the city park you cross, "
      "down to the benches and the row of young lindens.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
