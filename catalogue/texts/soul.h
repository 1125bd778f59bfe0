// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and how you are at heart. "
      "Reduced from the sum of your full name's vowel values, it discloses the motives you keep "
      "hidden.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any contest of your choosing. You "
      "long to be first across fresh snow and to prove a thing can be done. An easy win means "
      "little to you. When a goal looks out of reach, you wake with fierce, happy energy and run "
      "the stadium stairs at dawn to shave a second off your record.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. Well past "
      "midnight you lie awake over a brother's sharp word while he sleeps. In the bond you "
      "picture, neither partner has reason to keep score. You cook for two or more on a plain "
      "Tuesday, for the pleasure of passing a plate across the table.";
static_assert(Soul2.size() == 318);

inline constexpr std::string_view Soul3
    = "You achieve a sense of pleasure when you are involved in making something out of almost "
      "nothing, a song from three chords or a supper from leftovers. All day you hum snatches of "
      "your own tunes, each meant to outdo the one before. Kits with step-by-step instructions "
      "bore you, since someone else made the choices. You spend whole afternoons pulling nails "
      "from old shipping pallets for a tree house that no one has asked for.";
static_assert(Soul3.size() == 423);

inline constexpr std::string_view Soul4
    = "At hand there is an ever-present need to consider sheltered and safe all that you care for. "
      "Until the roof is mended and the bills are paid, you cannot relax. You savor the sound of "
      "the last car pulling in for the night, everyone accounted for. Every room has a flashlight, "
      "and the breakers in the panel are labeled. Halloween finds your storm windows up and the "
      "furnace filter already changed.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own time shapes nearly all "
      "your choices. A week that someone else has scheduled is never quite yours. Standing still "
      "feels like shrinking; a month in which you learn nothing new counts, in your mind, as lost. "
      "The blank squares on your calendar are there on purpose, each one guarded.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential source of contentment to "
      "you. You seldom refuse a favor, taking the request itself as a compliment. To this day you "
      "can recite the offhand praise a manager gave you at age nineteen. You brood all week over a "
      "group email that leaves your name off the list.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of why anything "
      "exists at all. You can carry a good question for half a lifetime, as you might a pebble in "
      "a pocket. One clear glimpse of meaning, even one caught as you peel potatoes, can sustain "
      "you through months of tedium.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to leave a mark that others can "
      "measure. You live for the sharp breaks, the days you trade a law practice for a vineyard or "
      "bet everything on an untried invention. After months without upheaval you get restless and "
      "plot your next leap. Each gamble that pays off is proof, to you above all, that your "
      "instincts were sound.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive in the eyes of those whose "
      "judgment you trust. You hope to age as an olive tree does, gnarled and fruitful. In "
      "private, you keep a ledger of your mistakes, with the cost of each noted in the margin. A "
      "small star, added in ink on a later rereading, marks those few that proved worth making.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Like 2, it inclines you to partnership, but "
      "your longing reaches beyond the circle of two. You want a kinship of spirit, a few "
      "companions who wonder what you wonder and say so aloud. You have sat in an empty chapel "
      "till dusk, watching a stained-glass window burn garnet. To you, a question of faith and a "
      "question of love are often one.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting hunger to build what will be in "
      "use a century from now. Private comfort is pleasant but only half answers such a hunger. "
      "Money interests you mainly for what it can raise in stone; you have no use for an idle "
      "balance. You envy the medieval masons who laid the foundations of spires they never lived "
      "to see and whose stones still stand. Passing any cornerstone, you stop to read its date and "
      "do the arithmetic on the spot.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
