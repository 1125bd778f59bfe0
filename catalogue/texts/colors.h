// Color descriptions in the first person plural: what each color is and what it has meant to us.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves when it surrounds "
      "us, or so some of us find. A dash of it enlivens a room. Exertion and delight alike bring "
      "it to our cheeks. We send red roses to say what words cannot. Fire engines are painted red "
      "so that we see them coming. We call a memorable day a red-letter day, after the feast days "
      "that old calendars picked out in red.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which invites us to gather. Low in "
      "the sky, the Sun turns orange, its blue scattered by the long slant of air, and we crowd "
      "onto piers and hilltops to see it sink. When a campfire burns down, we pull our chairs in "
      "around its embers. A garland of orange marigolds welcomes guests to many an Indian home.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. Because the metal does not tarnish, Tutankhamen's mask "
      "still gleams after thirty-three centuries. For that constancy, we used it for crowns, "
      "coins, and saints' halos. Most of the gold ever mined survives, so a new chain could hold "
      "metal dug for a pharaoh. A gold watch was once the reward for decades of loyal service.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. The pencil we "
      "chew during a test is yellow, and so, often, is the bulb a cartoonist draws over a "
      "character's head to mark a sudden idea. Most highlighter ink is yellow, bright enough to "
      "make print jump out and pale enough to keep it legible. We see its vitality in the "
      "daffodils and forsythia that brighten our gardens ahead of the last frost.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life, from the moss on a shady wall to "
      "the rain forests of the Amazon basin. Plants owe the color to chlorophyll, the pigment that "
      "harvests sunlight for making sugar. Many katydids and frogs wear it to vanish among the "
      "leaves they cling to. In dry country, a ribbon of green in the hills tells us where water "
      "runs. Our towns keep parks so that no one lives far from green.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Our veins show blue under "
      "the skin, though the blood in them is dark red. For many of us, a cloudless blue sky lifts "
      "the spirits. Renaissance painters prized ultramarine, ground from a costly blue stone, so "
      "highly that they reserved it largely for the Virgin's robes. Survey after survey finds blue "
      "to be the hue most of us prefer.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. It is red with its "
      "temper cooled, the hue of cherry blossoms and strawberry ice cream. Some of us paint a "
      "workshop pink to ease a long job. Flamingos hatch gray and take on their pink by degrees, "
      "from the shrimp and the algae they eat.";
static_assert(PinkDescription.size() == 304);

inline constexpr std::string_view IndigoDescription
    = "Indigo is said to affect our physical as well as mental health positively. Many of us find "
      "its deep shade restful to look at. Some who meditate picture indigo at the brow, where, "
      "they believe, intuition dwells. The dye in our blue jeans is indigo. Farmers in the past "
      "worked in indigo-dyed cotton, believed to ward off snakes and biting insects.";
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
      "where a task stops being a pleasure. The will drills us in the irregular verbs of a new "
      "language, tense by tense. It holds us to our promises once the feeling behind them has "
      "faded. After a stumble or a dry spell, we pick up where we left off. The gymnast who makes "
      "it look easy has usually practiced for years against her reluctance.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
