// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and how you are at "
      "heart. The vowels of your full name alone count, and the paragraph names the motives "
      "you keep unspoken.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any contest of your choosing. "
      "You long to be first across fresh snow, the first to prove a thing can be done. Goals "
      "others set are chores to you. Once the goal is yours, a fierce, glad energy wakes; on a "
      "Sunday you may run the stadium stairs just to beat last week's time.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. A harsh word "
      "at lunch can still sting at midnight, when its speaker is fast asleep. You picture a "
      "partnership in which each of you grows wiser through the other. A hand on your shoulder "
      "as someone walks past your chair can settle a whole week.";
static_assert(Soul2.size() == 318);

inline constexpr std::string_view Soul3
    = "You achieve a sense of pleasure when you are involved in making something out of almost "
      "nothing, a tune from three chords or a supper from leftovers. You expect each new idea "
      "to outdo the one before, and failures look to you like first drafts. The moment a "
      "stubborn line of verse falls into place is worth a week of false starts. Weekends often "
      "find you in a hardware store, pricing lumber for schemes no one has asked for.";
static_assert(Soul3.size() == 423);

inline constexpr std::string_view Soul4
    = "At hand there is an ever-present need to consider sheltered and safe all that you care "
      "for. Until the roof is mended and the bills are paid, you cannot relax. Your idea of "
      "luxury is an evening with nothing undone and everyone you love asleep upstairs. You "
      "check the locks twice and know exactly where the flashlight is. A well-stocked pantry "
      "in December pleases you more than a week in Tuscany.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own time shapes nearly "
      "all your choices. A rigid timetable feels like a fence, and an empty Saturday like a "
      "fortune. You want to keep changing; each new acquaintance seems to know something you "
      "have yet to learn. You have turned down promotions that would have chained you to a "
      "desk.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential source of "
      "contentment to you. On a bus you invent lives for strangers, guessing from a mustard "
      "scarf what its owner needs. You hope those you admire will come to you for advice and "
      "take it. In the shower you often rehearse the counsel you would give them.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of why anything "
      "exists at all. You can carry a good question for half a lifetime, as you might a pebble "
      "in a pocket. For one clear glimpse of meaning, which may come while you scrub potatoes, "
      "months of doubt seem a fair price.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to leave a mark that others "
      "can measure. You live for the sharp breaks, the day you sell the old house or quit to "
      "start on your own. Comfort bores you quickly. You crave reinvention, and a gamble that "
      "pays off thrills you as no salary can. Each such win is proof, to you above all, that "
      "your judgment deserves your trust.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive in the eyes of those "
      "whose judgment you trust. Privately, you keep a ledger of your mistakes, with the price "
      "of each noted in the margin. You hope to age as an olive tree does, gnarled and still "
      "bearing fruit. Most of all you want to understand human sorrow well enough to ease some "
      "of it.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Like 2, it turns you toward "
      "partnership, but your longing reaches beyond the private circle. You want a kinship of "
      "spirit, a few companions who wonder what you wonder and are not shy to say so. A "
      "stained-glass window burning garnet in a winter chapel can move you to tears. Questions "
      "of faith matter to you as much as questions of love.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting hunger to build what will "
      "still be in use a century from now. Private comfort is pleasant but does not quite "
      "answer that hunger. Money draws you the way stone draws a mason, for what can be raised "
      "with it. The medieval builders who laid foundations for spires they would never see "
      "strike you as the luckiest workers of all. Yet you long every bit as much for peace, a "
      "sunny afternoon in a hammock with nothing to decide.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
