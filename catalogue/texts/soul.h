// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and how you are at heart. "
      "It sums your full name's vowels, Y only if no others occur, and reduces any sum except 11 "
      "or 22.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any contest of your choosing. A "
      "win counts only when you set the terms yourself. An easy one means little. Chalk on your "
      "hands, you return every Saturday to the same rock-climbing route that has beaten you all "
      "spring, until the morning you finally top it out with a whoop.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. A photo of your "
      "grandparents dancing in their kitchen stands by your bed. In the bond you imagine, neither "
      "of you has reason to keep score. Even on a plain Tuesday you cook for two or more, for the "
      "pleasure of passing a plate across the table.";
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
      "With the roof mended and the bills paid, you can nap on the porch. You savor the sound of "
      "the last car pulling in for the night, everyone accounted for. Every room has a flashlight, "
      "and the breakers in the panel are labeled. Halloween finds your storm windows up and the "
      "furnace filter already changed.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own time shapes nearly all "
      "your choices. A week that someone else has scheduled is never quite yours. Given an "
      "unclaimed morning, you will follow a river path as far as it goes, with no bell to call you "
      "back. The blank squares on your calendar are there on purpose, each one guarded.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential source of contentment to "
      "you. You seldom refuse a favor, taking the request itself as a compliment. You count it a "
      "fine day when someone you admire recalls your name. Left out of a group email, you wonder "
      "for days on end whether the slight was deliberate.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of why anything "
      "exists at all. A good question can keep you company for half a lifetime, growing richer "
      "with age. One clear glimpse of meaning, even one caught while you peel potatoes, can "
      "sustain you through months of tedium.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to leave a mark that others can "
      "measure. A warm reputation alone is not enough for you. You want a result that a stranger "
      "could check, such as the number of students a scholarship you might endow sends to college. "
      "That figure would stay current in your head, three hundred twelve this fall, up from forty "
      "when it started.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive in the eyes of those whose "
      "judgment you trust. Only two matter: a well-read bookseller of eighty and an aunt who can "
      "still beat you at chess at ninety. You hope to age as they have, gnarled and fruitful as an "
      "olive tree. Good news keeps until you can tell it to the pair of them in person.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Like 2, it inclines you to partnership, but "
      "your longing reaches beyond the circle of two. You want a kinship of spirit, a few "
      "companions who wonder what you wonder and say so aloud. Your longest letters go to such a "
      "companion, each an argument about what a good life needs. A tie that shies from such "
      "questions feels unfinished to you.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting hunger to build what will be in "
      "use a century from now. Private comfort is pleasant but only half answers such a hunger. "
      "Money interests you mainly for the bridges it can finance; you have no use for an idle bank "
      "balance. You envy the engineers whose aqueduct, often repaired, still feeds Rome's "
      "fountains after two millennia. Any cornerstone sets you working out the building's age on "
      "the spot, in hope of three digits.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
