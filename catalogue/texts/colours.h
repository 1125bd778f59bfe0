// Color descriptions in the first person plural: what each color is and what it has meant to us.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves when it surrounds "
      "us, or so some of us find. A dash of it enlivens a room. Teachers mark corrections in red "
      "ink, where we cannot miss them. Some of our oldest cave paintings were done in red ocher. "
      "The bull cannot tell red from green and charges at the movement of the matador's final "
      "cape. Its red is for the spectators alone.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which invites us to gather. Low in "
      "the sky, the Sun turns orange, its blue scattered by the long slant of air, and we crowd "
      "onto piers and hilltops to watch it set. When a campfire dies down, we pull our chairs in "
      "around its embers. A garland of orange marigolds welcomes guests to many an Indian home.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. Because the metal does not tarnish, Tutankhamen's mask "
      "still gleams after thirty-three centuries. Partly for that constancy we made crowns, coins, "
      "and wedding rings of it. A gold watch was long the reward for decades of loyal service. "
      "Most gold ever mined survives, so a new chain could hold metal mined for a pharaoh.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. The pencil we "
      "chew during a test is yellow, and so, often, is the bulb a cartoonist draws over a "
      "character's head to show a sudden idea. Most highlighter ink is yellow, bright enough to "
      "make print jump out and pale enough to keep it legible. We see its vitality in the yolk "
      "that feeds a chick and in daffodils that bloom before the last frost.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life, from moss on a shady wall to "
      "duckweed spreading over a pond. Plants owe the color to chlorophyll, the pigment that lets "
      "them make their own food from sunlight. We search a slump's figures for the green shoots of "
      "an economic recovery. Green lets us cross the road at a traffic light. Billiard tables are "
      "green, it is said, in memory of the lawns where the game began.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Our veins show blue under "
      "the skin, though the blood in them is dark red. For many of us, a cloudless blue sky lifts "
      "the spirits. Renaissance painters prized ultramarine, ground from a precious blue mineral, "
      "so highly that they kept it chiefly for the Virgin's robes. Survey after survey names blue "
      "as the hue most of us like best.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. It is red with its "
      "temper cooled, the hue of cherry blossoms and strawberry ice cream. With a pink eraser at "
      "hand, we dare a bolder stroke. Flamingos hatch gray and take on their pink by degrees, from "
      "the shrimp and the algae they eat.";
static_assert(PinkDescription.size() == 304);

inline constexpr std::string_view IndigoDescription
    = "Indigo is said to affect our physical as well as mental health positively. Some farmers "
      "wore indigo-dyed cotton in the belief that it warded off snakes and biting insects. Many of "
      "us find an indigo bedroom restful after a hard day. Newton named it one of the seven colors "
      "of the rainbow, though few of us can pick it out between blue and violet.";
static_assert(IndigoDescription.size() == 345);

inline constexpr std::string_view VioletDescription
    = "Violet is such a color, which reflects sensitivity and a longing for what lies beyond the "
      "everyday. We meet it at the far edge of the visible spectrum, on the inner rim of a "
      "rainbow. The Greeks called violet quartz amethyst, \"not drunk,\" believing it kept the "
      "wearer sober. Bees see past violet into ultraviolet, where many flowers bear marks, unseen "
      "by us, that lead the insects to nectar.";
static_assert(VioletDescription.size() == 390);

inline constexpr std::string_view StrongWillDescription
    = "This is the color, which indicates strong-will, forceful enough to carry us past the point "
      "where a task stops being a pleasure. Will drills us in the irregular verbs of a new "
      "language, tense by tense. It keeps a promise once the feelings that prompted the vow have "
      "faded. After a stumble or a dry spell, we pick up the work where we broke off. What we call "
      "talent is, we suspect, mostly will kept up until it looks like ease.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
