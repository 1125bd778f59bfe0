// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and who you are. Your "
      "name's vowels, or Y if it has none, are added and reduced to a single digit unless exactly "
      "11 or 22.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any contest of your choosing. A "
      "notch beyond your reach is where you prefer a challenge to sit. Should you take up "
      "climbing, you would walk past the routes the regulars favor and go for the one graded "
      "hardest on the wall. Your whoop at its top would carry through the gym.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. In your picture "
      "of happiness, you and one other share a mailbox at the end of a gravel lane. Whoever is up "
      "earlier starts the coffee and brings the other a cup. Silences between you are easy ones, "
      "the kind neither of you feels a need to break.";
static_assert(Soul2.size() == 318);

inline constexpr std::string_view Soul3
    = "You achieve a sense of pleasure when you are involved in making something out of almost "
      "nothing. Three chords will do for a song, and worn-out shirts for a quilt. Snatches of your "
      "own tunes follow you around, each meant to top the one before. You find kits with "
      "step-by-step instructions dull, since someone else made all the choices. In a stack of "
      "cast-off shipping pallets, you see a tree house that no one has asked for.";
static_assert(Soul3.size() == 423);

inline constexpr std::string_view Soul4
    = "At hand there is an ever-present need to consider sheltered and safe all that you care for. "
      "You want a flashlight in each room and a label on each breaker. The smoke alarms get fresh "
      "batteries on a set date, chirp or no chirp. The crunch of the last car pulling in, with "
      "everyone accounted for, is a sound you savor. With the roof mended and the bills paid, you "
      "can nap away a Sunday afternoon.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own time shapes nearly all "
      "your choices. You gently decline to have your week scheduled by someone else. Given an "
      "unclaimed morning, you would read in a hammock past noon with never a glance at the clock. "
      "A blank square on your calendar is an appointment you have made with yourself.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential source of contentment to "
      "you. You call it a fine day when someone you admire remembers you after a single meeting. A "
      "card that says \"We missed you\" is mail you treasure. You can tell at a glance whether "
      "being left off a group email was a slight or a slip.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of why anything "
      "exists at all. You gladly live with one question for years on end, distrusting any answer "
      "that comes too neatly. Yet you can treasure a clear glimpse of meaning for months, even one "
      "caught as you peel potatoes.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to leave a mark that others can "
      "measure. If you ran, each run would go into a log, timed to the second. The result you want "
      "is one a stranger could check, such as the number of students a scholarship of yours would "
      "send to college from your high school. Praise with no figure attached slips your mind by "
      "the next morning.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive in the eyes of those whose "
      "judgment you trust. Such judges are few, perhaps only a well-read bookseller of eighty and "
      "a chess partner of ninety who beats you. You hope to age as they have, gnarled and fruitful "
      "as an olive tree. Any good news keeps until you can tell one of them in person.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Like 2, it inclines you to partnership, but "
      "the circle you hope for is wider than two. You crave a kinship of spirit, a few companions "
      "who wonder what you wonder and say so aloud. One of them would get your longest letters, "
      "each an argument over what a good life needs. You count a friendship thin if it shies away "
      "from those arguments.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting hunger to build what will serve "
      "a century from now. You pay the higher price for oak floors when pine boards would cost "
      "half as much. Were you to put up a fence, you would sink its posts in concrete deep enough "
      "to outlast you. The Romans rank among your heroes for the Pantheon, whose dome, cast "
      "without steel, has stood through nearly nineteen centuries. You stop at any cornerstone to "
      "work out the age of the building.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
