// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and the truth. Sum your "
      "full name's vowel values (Y only if no other vowel) and reduce to one digit unless it is 11 "
      "or 22.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any contest of your choosing. You "
      "pick each challenge a notch beyond your reach and shrug off the easy wins. Chalk on your "
      "hands, you return every Saturday to the same climbing route that has beaten you all spring, "
      "until the morning you finally reach the top with a whoop.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. In your picture "
      "of happiness, two names share one mailbox at the end of a gravel lane. Neither of you, in "
      "the bond you hope for, has any cause to keep score. To share an evening with someone you "
      "love, you would sit through a movie you dislike.";
static_assert(Soul2.size() == 318);

inline constexpr std::string_view Soul3
    = "You achieve a sense of pleasure when you are involved in making something out of almost "
      "nothing, a song from three chords or a supper from leftovers. All day you hum snatches of "
      "your own tunes, each meant to better the one before. Kits with step-by-step instructions "
      "you find dull, since someone else made all the choices. Old shipping pallets, their rusty "
      "nails pulled one by one, become a tree house no one has asked for.";
static_assert(Soul3.size() == 423);

inline constexpr std::string_view Soul4
    = "At hand there is an ever-present need to consider sheltered and safe all that you care for. "
      "With the roof mended and the bills paid, you can nap on the porch swing. You savor the "
      "sound of the last car pulling in for the night, with everyone accounted for. Every room has "
      "a flashlight, and the breakers in the panel are labeled. The smoke alarms get fresh "
      "batteries before any of them can chirp.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own time shapes nearly all "
      "your choices. You gently decline to have your week scheduled by someone else. Given an "
      "unclaimed morning, you will read in a hammock past noon, with no bell to call you back. "
      "Each blank square on your calendar is an appointment you have made with yourself.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential source of contentment to "
      "you. You would far rather be consulted than thanked. You call it a fine day when someone "
      "you admire recalls your name after one meeting. Left off a group email, you can tell at a "
      "glance whether the omission was a slight or a slip.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of why anything "
      "exists at all. A single question can last you for half a lifetime. You distrust any answer "
      "that comes too neatly. You can run for months on one clear glimpse of meaning, even one "
      "caught while you peel potatoes.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to leave a mark that others can "
      "measure. Even your daily runs go into a log, timed to the second. You want a result that a "
      "stranger could check, such as the number of students a scholarship of yours would send to "
      "college from your old high school. That figure would stay current in your mind, three "
      "hundred twelve by now.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive in the eyes of those whose "
      "judgment you trust. Such judges are few, perhaps only a well-read bookseller of eighty and "
      "a chess partner of ninety who beats you every game. You hope to age as they have, gnarled "
      "and fruitful as an olive tree. Good news waits to be told to them both in person.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Like 2, it inclines you to partnership, but "
      "your longing reaches beyond the circle of two. You want a kinship of spirit, a few "
      "companions who wonder what you wonder and say so aloud. The longest letters you write go to "
      "one of them, each an argument over what a good life needs. You find a tie unfinished if it "
      "shies from such arguments.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting hunger to build what will serve "
      "a century from now. You value money mainly for the bridges it can finance, and you vote yes "
      "on each bond issue for one. You set even the posts of a garden fence in concrete, meaning "
      "them to outlast you. The engineers you envy are those whose aqueduct, often repaired, still "
      "feeds Rome's fountains after two millennia. You stop at every cornerstone you pass to work "
      "out the building's age.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
