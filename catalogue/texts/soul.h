// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and how you are at heart. "
      "Added up from the vowels of your full name, it brings to light the motives you keep to "
      "yourself.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any contest of your choosing. You "
      "want to be first across fresh snow, the one who proves a thing can be done. Goals others "
      "set are chores to you. When the goal is yours, a fierce, glad energy wakes; before dawn you "
      "run the stadium stairs to shave a second off your record.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. A harsh word "
      "from "
      "a brother can sting past midnight, when its speaker is fast asleep. You picture a "
      "partnership in which each of you grows wiser through the other. A dinner eaten alone, "
      "however good the cooking, tastes to you like half a meal.";
static_assert(Soul2.size() == 318);

inline constexpr std::string_view Soul3
    = "You achieve a sense of pleasure when you are involved in making something out of almost "
      "nothing, a song from three chords or a supper from leftovers. You expect each new attempt "
      "to "
      "outdo the one before, and failures look to you like practice runs. A kit with step-by-step "
      "instructions bores you before the box is open. Your free hours find you in a hardware "
      "store, "
      "pricing lumber for a tree house that no one has asked for.";
static_assert(Soul3.size() == 423);

inline constexpr std::string_view Soul4
    = "At hand there is an ever-present need to consider sheltered and safe all that you care for. "
      "Until the roof is mended and the bills are paid, you cannot relax. Your idea of luxury is "
      "an evening with nothing undone and everyone you love asleep upstairs. Every room has a "
      "flashlight, and each fuse is labeled in your handwriting. A full woodpile in November "
      "pleases you more than a trip to Venice.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own time shapes nearly all "
      "your choices. A rigid timetable feels like a fence, and an empty Saturday like a fortune. "
      "You mean to keep changing; each new acquaintance seems to know something you have yet to "
      "learn. You would turn down a promotion if it meant surrendering your Fridays.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential source of contentment to "
      "you. A knock at any hour from someone who needs an egg or a recipe never irks you. You keep "
      "every thank-you note in a shoebox and reread a handful on gray days. A group email that "
      "leaves your name off the list can hurt for a week.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of why anything "
      "exists at all. You can carry a good question for half a lifetime, as you might a pebble in "
      "a "
      "pocket. For one clear glimpse of meaning, which can come while you scrub potatoes, months "
      "of "
      "doubt seem a fair price.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to leave a mark that others can "
      "measure. You live for the sharp breaks, the day you trade a law degree for a vineyard or "
      "stake your savings on an untested patent. A year without upheavals finds you restless and "
      "plotting your next leap. Each gamble that pays off is proof, to you above all, that your "
      "instincts were sound.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive in the eyes of those whose "
      "judgment you trust. Privately, you keep a ledger of your mistakes, with the price of each "
      "noted in the margin. You hope to age as an olive tree does, gnarled and fruitful. You would "
      "give a good deal to know, before you die, which of those mistakes were worth it.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Like 2, it inclines you to partnership, but "
      "your longing reaches beyond the private circle. You want a kinship of spirit, a few "
      "companions who wonder what you wonder and are not shy about saying so. A stained-glass "
      "window burning garnet in a chapel can hold you until dark. Questions of faith matter to you "
      "as much as questions of love.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting hunger to build what will be in "
      "use a century from now. Private comfort is pleasant but does not quite answer that hunger. "
      "Money interests you mainly for what it can raise in stone; an idle balance matters little "
      "to you. The medieval masons who laid foundations for spires they would never see strike you "
      "as the luckiest workers of all. Passing any cornerstone, you stop to read its date and "
      "count how long it has stood.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
