// Colour descriptions: what each colour signifies and how it affects mood, mind and life.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves when it surrounds "
      "us, or so some of us find. A dash of it enlivens a room. We see a red barn a mile off. Iron "
      "oxide reddens both the dust of Mars and the ocher of some of our oldest cave paintings. The "
      "bull cannot tell red from green and charges at the movement of the matador's final cape. "
      "Its red is for the spectators alone.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which invites us to gather. As a "
      "campfire burns low, we pull our chairs closer to its orange embers. The color takes its "
      "English name from the fruit. Mixed from red and yellow paint, it is warmer than yellow and "
      "milder than red. In India, a visitor is often welcomed with a garland of orange marigolds.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. It resists tarnish, so Tutankhamen's mask, made of gold "
      "alloy, still gleams after thirty-three centuries. Partly for that constancy we made crowns, "
      "coins, and wedding rings of it. A gold watch was long the reward for decades of loyal "
      "service. Nearly all the gold ever mined survives, melted and recast again and again.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. The pencil we "
      "chew during a test is yellow, and so is the bulb a cartoonist draws over a character's head "
      "to show a sudden idea. Most highlighter ink is yellow, bright enough to make print jump out "
      "and pale enough to keep it legible. In the United States, school buses have been yellow "
      "since a 1939 conference chose the hue for its visibility.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life, from moss on a fallen log to the "
      "canopy of a pine forest. Leaves and grass owe their green to chlorophyll. A copper weather "
      "vane earns its own the hard way, high in the wind and the rain. We call a beginner green "
      "and a jealous rival green-eyed. At an intersection, green lets us go. Billiard tables are "
      "green, it is said, in memory of the lawns where the game began.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Our veins show blue under "
      "the skin. Distant hills take on a blue haze that artists copy, as Leonardo advised, to give "
      "a landscape depth. Renaissance painters prized ultramarine, ground from a rock mined in "
      "Afghanistan, so highly that they saved it chiefly for the Virgin's robes. Survey after "
      "survey names blue as our favorite hue.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. It is red with its "
      "temper cooled, the hue of cherry blossoms and strawberry ice cream. A pink eraser wears to "
      "a nub as we rework a drawing. Flamingos hatch gray and take on their pink by degrees, from "
      "the shrimp and the algae they eat.";
static_assert(PinkDescription.size() == 304);

inline constexpr std::string_view IndigoDescription
    = "Indigo is said to affect our physical as well as mental health positively. Farmhands once "
      "wore indigo-dyed cotton in the belief that it kept off snakes and biting insects. Many of "
      "us find an indigo bedroom restful after a hard day. Newton named it one of the seven colors "
      "of the rainbow, though few of us can pick it out between blue and violet.";
static_assert(IndigoDescription.size() == 345);

inline constexpr std::string_view VioletDescription
    = "Violet is such a color, which reflects sensitivity and a longing for what lies beyond the "
      "everyday. It sits at the far edge of the visible spectrum, on a rainbow's inner rim. Bees "
      "see past it into ultraviolet, where many flowers bear marks, unseen by us, that lead the "
      "insects to nectar. The ancient Greeks called the violet quartz amethyst, \"not drunk,\" "
      "believing it kept the wearer sober.";
static_assert(VioletDescription.size() == 390);

inline constexpr std::string_view StrongWillDescription
    = "This is the color, which indicates strong-will, forceful enough to carry us past the point "
      "where a task stops being a pleasure. Will brings us back to the irregular verbs of a new "
      "language on the fortieth evening. It keeps a promise after the feelings that prompted it "
      "have faded. After a stumble or a month's rest, we pick up the work where we broke off. Much "
      "of what we call talent proves to be will, kept up day after day.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
