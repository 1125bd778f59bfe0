// Colour descriptions: what each colour signifies and how it affects mood, mind and life.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves, some of us find, "
      "when it surrounds us. A little of it rouses us. We spot a red barn a mile away. Our blood "
      "is red with hemoglobin, and rusted iron in the dust of Mars makes it the red planet. The "
      "matador's final cape is red, though the bull cannot tell red from green and charges at the "
      "movement; the hue stirs only the crowd.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which invites us to gather. As a "
      "campfire dies, we draw closer to its orange embers. The fruit gave the color its English "
      "name. On the color wheel it falls between red and yellow, warm but not alarming, bright but "
      "not harsh. In India, honored guests are greeted with heavy garlands of orange marigolds.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. It resists tarnish, so Tutankhamen's mask, made of a "
      "gold alloy, still gleams after thirty-three centuries. For that constancy we made crowns, "
      "coins, and wedding rings of it. A gold watch has long been the reward for decades of loyal "
      "service. Nearly all the gold ever mined survives, melted and recast from age to age.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. The pencil we "
      "chew during a test is yellow, and so is the bulb a cartoonist draws over a character's head "
      "to show a sudden idea. Most highlighter ink is yellow, bright enough to make print jump out "
      "and pale enough to keep it legible. In the United States, school buses have been yellow "
      "since a 1939 conference chose the hue for its visibility.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life, from moss on old stone to pine "
      "forests viewed from the air. A gardener who can grow anything, we say, has a green thumb. "
      "At an intersection, green lets us go. Dollar bills have been called greenbacks since the "
      "Civil War. Our eyes are more sensitive to green than to any other color. Billiard tables "
      "are green, it is said, in memory of the lawns where the game began.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Our veins show blue under "
      "the skin. Distant hills take on a blue haze, which artists copy, as Leonardo advised, to "
      "push a horizon back. Renaissance painters prized ultramarine, ground from a stone mined in "
      "Afghanistan, so highly that they saved it chiefly for the Virgin's robes. In survey after "
      "survey, blue is our favorite color.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. Our pink erasers wear "
      "thin as we write and revise. Pink is red with its temper cooled, the hue of cherry blossoms "
      "and our cheeks after a brisk walk. Flamingos hatch gray; their pink comes slowly, from the "
      "shrimp and the algae they eat.";
static_assert(PinkDescription.size() == 304);

inline constexpr std::string_view IndigoDescription
    = "Indigo is said to affect our physical as well as mental health positively. The dye of that "
      "name, once carried across oceans under sail, now colors our jeans. Newton named seven "
      "colors in the rainbow, indigo among them, partly to mirror the seven notes of a scale. Few "
      "of us can pick it out between blue and violet; we accept it on Newton's word.";
static_assert(IndigoDescription.size() == 345);

inline constexpr std::string_view VioletDescription
    = "Violet is such a color, which reflects sensitivity and a longing for what lies beyond the "
      "everyday. It sits at the far edge of the visible spectrum, the last color our eyes can "
      "register before the rainbow ends. Bees see past it into ultraviolet, where flowers bear "
      "marks hidden from us. The ancient Greeks called the violet quartz amethyst, \"not drunk,\" "
      "believing it kept its wearers sober.";
static_assert(VioletDescription.size() == 390);

inline constexpr std::string_view StrongWillDescription
    = "This is the color, which indicates strong-will, forceful enough to keep us going after the "
      "early excitement fades. We see it in a sockeye salmon, gone deep red for spawning, leaping "
      "up a waterfall. A dandelion shows it, pushing through a crack in a parking lot, and so does "
      "a grandmother passing her citizenship test on her third try. It colors a marathoner's "
      "twentieth mile and the fiftieth rehearsal of a speech we dreaded.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
