// Colour descriptions: what each colour signifies and how it affects mood, mind and life.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves, some of us find, "
      "when it surrounds us. A little of it rouses us. Stop signs and fire engines wear it, and we "
      "spot a red barn a mile away. In China it is the lucky color of the Lunar New Year. The "
      "matador's final cape is red, though the bull cannot tell red from green and charges at the "
      "movement; the hue stirs only the crowd.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which invites us to gather. Autumn "
      "leaves and the embers of a campfire glow with it. The fruit gave the color its English "
      "name. "
      "On the color wheel it falls between red and yellow, warm without alarm and bright without "
      "glare. In India, honored guests are greeted with heavy garlands of orange marigolds.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. It resists tarnish, so Tutankhamun's mask, made of a "
      "gold alloy, still gleams after thirty-three centuries. For that constancy we made crowns "
      "and "
      "coins of it and laid it on the halos of painted saints. The winner of a race takes the "
      "gold. "
      "The United States keeps more than eight thousand tons, much of it at Fort Knox.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. Lemons and "
      "sunflowers are yellow, and so is the pencil we chewed during tests. When a cartoonist draws "
      "a sudden idea, the bulb over the head shines yellow. Most highlighter ink is yellow, bright "
      "enough to make print jump out and pale enough to keep it legible. Americans tie yellow "
      "ribbons to trees and porches while awaiting someone's return.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life, from moss on old stone to pine "
      "forests viewed from the air. At an intersection, green lets us go. Dollar bills have been "
      "greenbacks since the Civil War. We call a building green when it spares the planet. "
      "Billiard "
      "tables are green, it is said, in memory of the lawns where the game began. Our eyes are "
      "most "
      "sensitive to green, one reason night-vision goggles use it.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Distant hills take on a blue "
      "haze, which landscape artists copy, as Leonardo advised, to push a horizon farther back. "
      "Renaissance painters prized ultramarine, ground from lapis lazuli, so highly that they "
      "saved "
      "it chiefly for the robes of the Virgin. In survey after survey, more of us pick blue as a "
      "favorite than any other color.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. It is red with its "
      "temper cooled, the color of our cheeks after a brisk walk and of cherry blossoms in April. "
      "To be in the pink is to be in fine health. Flamingo chicks hatch gray and take their pink "
      "from the shrimp and algae they eat.";
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
      "first excitement fades. We see it in a dandelion that cracks the asphalt of a supermarket "
      "parking lot and in a grandmother passing her citizenship test on her third try. It colors a "
      "marathoner's twentieth mile and the fiftieth rehearsal of a speech we dreaded. When two of "
      "us share a goal and hold each other to it, the color deepens.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
