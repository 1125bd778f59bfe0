// Colour descriptions: what each colour signifies and how it affects mood, mind and life.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves when it "
      "surrounds us on all sides. In smaller measure it can rouse us: a red scarf on a gray "
      "morning, a red chair in a plain hall. Fire and blood share its hue, as do valentines "
      "and stop signs; in China it marks weddings and the new year. We connect it with "
      "passion, physical vigor, and the resolve that sees a task to its end.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which invites us to gather. We "
      "find it in autumn leaves, in embers on a hearth, and in the fruit that gave the color "
      "its English name. On the painter's wheel it stands between red and yellow, warm without "
      "alarm and bright without glare. Orange feels at home wherever we meet to talk and learn "
      "together.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. The metal neither rusts nor tarnishes, and we have "
      "long trusted it with crowns, wedding rings, and the halos of painted saints. As a color "
      "it carries the same promise of lasting worth. Gold belongs to the medal after the race "
      "and to the fiftieth anniversary, to wealth honestly earned and wisdom won across a "
      "lifetime.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. Lemons and "
      "sunflowers are yellow, and so is the pencil we chewed on at school. When cartoonists "
      "draw a bright idea, the bulb over the head is often yellow. The color keeps company "
      "with curiosity and good humor, and with the hope that tomorrow will improve on today. "
      "We reach for it when we want a page, or an entire day, to feel more cheerful.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life: the first shoots after "
      "frost, moss on an old stone, a field ripening toward harvest. Many of us find that an "
      "hour among trees quiets a crowded head. Green is the color of whatever grows when it is "
      "tended, of rest and plenty and ordinary prosperity; Americans call their dollar bills "
      "greenbacks. Shakespeare gave jealousy green eyes, but the color itself is generous.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Distance is blue: hills "
      "turn bluer the farther they are from us, and the sky over them has no edge. Renaissance "
      "painters prized ultramarine, ground from lapis lazuli, so highly that they often kept "
      "it for the robes of the Virgin. Blue asks us for patience and repays it with calm; "
      "under a wide blue sky, a long task looks possible.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. It is red with its "
      "temper cooled: the flush of a cheek after a winter walk, blossom on a cherry tree in "
      "April. There is nothing timid about it. Pink suits patient effort, the work we do "
      "carefully because we love it and want it to grow.";
static_assert(PinkDescription.size() == 304);

inline constexpr std::string_view IndigoDescription
    = "Indigo is said to affect our physical as well as mental health positively. After dusk, "
      "the sky deepens to indigo; the dye of that name once crossed oceans and today colors "
      "our jeans. Newton counted it among the seven colors of the rainbow. Indigo suits the "
      "inward hours, when imagination runs free and we trust a hunch before we can explain why.";
static_assert(IndigoDescription.size() == 345);

inline constexpr std::string_view VioletDescription
    = "Violet is such a color, which reflects sensitivity and a longing for what lies beyond "
      "the ordinary. It sits at the far edge of the rainbow, the last color we see before "
      "light passes out of human sight. In many churches, it marks the seasons of Advent and "
      "Lent, times of waiting and of reflection. Violet turns us inward. It favors "
      "contemplation and the long, slow work of knowing ourselves.";
static_assert(VioletDescription.size() == 390);

inline constexpr std::string_view StrongWillDescription
    = "This is the color, which indicates strong-will, forceful purpose, and the nerve to hold "
      "a course when others lose heart. It is less a shade than a temper, found in those of us "
      "who finish what we start. Where it shows, promises are kept and plans survive foul "
      "weather. It gathers scattered effort into one line and gives a quiet voice the courage "
      "to speak. It is strongest when it bends a little and listens before it decides.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
