// Colour descriptions: what each colour signifies and how it affects mood, mind and life.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves, some of us "
      "find, when it surrounds us. A little of it rouses us. Stop signs and fire engines wear "
      "it, and a red coat stands out in a busy square. In China it is the lucky color of the "
      "New Year. The bullfighter's cape is red, though the bull cannot tell red from green and "
      "charges at the movement; the hue stirs only the crowd.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which invites us to gather. "
      "Autumn leaves and the embers of a campfire glow with it. The fruit gave the color its "
      "English name. On the color wheel it falls between red and yellow, warm without alarm "
      "and bright without glare. In India, a guest is often welcomed with a heavy garland of "
      "orange marigolds.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. Pure gold neither rusts nor tarnishes, so "
      "Tutankhamun's burial mask still gleams after thirty-three centuries. For that constancy "
      "we have made crowns and coins of it and laid it on the halos of painted saints. The "
      "winner of a footrace takes the gold. Our nation keeps over eight thousand tons, much of "
      "it at Fort Knox.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. Lemons and "
      "sunflowers are yellow, and so is the pencil we chewed at school. When a cartoonist "
      "draws a sudden idea, the bulb over the head shines with it. Highlighter ink is mostly "
      "yellow, bright enough to make print jump out and pale enough to keep it legible. We tie "
      "yellow ribbons to trees and porches while we wait for someone to come home.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life, from moss on old stone to a "
      "pine forest seen from the air. At an intersection, green lets us go. We call our dollar "
      "bills greenbacks, and we call a building green when it spares the planet. Billiard "
      "tables are green because the game began outdoors, on lawns. Our eyes are most sensitive "
      "to green, which may be why night-vision goggles show the world in shades of it.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Distant hills take on a "
      "blue haze, which landscape artists have imitated since Leonardo to push a horizon "
      "farther back. Renaissance painters prized ultramarine, ground from lapis lazuli, so "
      "highly that they often kept it for the robes of the Virgin. On a clear day many of us "
      "look up into the blue and, for a moment, stop hurrying.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. It is red with its "
      "temper cooled, the color of a cheek after a winter walk and of cherry blossom in April. "
      "To be in the pink is to be in fine health. Flamingo chicks hatch gray and owe their "
      "adult pink to the shrimp and algae they eat.";
static_assert(PinkDescription.size() == 304);

inline constexpr std::string_view IndigoDescription
    = "Indigo is said to affect our physical as well as mental health positively. The dye of "
      "that name, once carried across oceans under sail, now colors our jeans. Newton named "
      "seven colors in the rainbow, indigo among them, partly to mirror the seven notes of a "
      "musical scale. Even looking hard, few of us can find it between the blue and the "
      "violet.";
static_assert(IndigoDescription.size() == 345);

inline constexpr std::string_view VioletDescription
    = "Violet is such a color, which reflects sensitivity and a longing for what lies beyond "
      "the everyday. It sits at the far edge of the visible spectrum, the last color we see "
      "before light passes out of human sight. In many churches it marks Advent and Lent, "
      "weeks of waiting and reflection. The ancient Greeks called the violet quartz amethyst, "
      "'not drunk', believing it kept its wearers sober.";
static_assert(VioletDescription.size() == 390);

inline constexpr std::string_view StrongWillDescription
    = "This is the color, which indicates strong-will, forceful enough to keep us going after "
      "the first excitement fades. We see it in a dandelion that splits the asphalt of a "
      "supermarket parking lot, and in a grandmother passing her citizenship exam on her third "
      "try. It colors a retaken driving test and the hundredth rehearsal of a speech we once "
      "dreaded. When two of us share a goal and hold each other to it, the color deepens.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
