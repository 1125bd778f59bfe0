// Colour descriptions: what each colour signifies and how it affects mood, mind and life.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves, some of us "
      "find, when it surrounds us. In smaller measure it can rouse us: a scarf on a gray "
      "morning, a chair in a plain hall. Fire and blood share its hue, as do valentines and "
      "stop signs; in China it marks weddings and the Lunar New Year. It stands for passion, "
      "physical vigor, and the resolve that sees a hard task through.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which invites us to gather. We "
      "find it in autumn leaves, in embers on a hearth, and in the fruit that gave the color "
      "its English name. On the color wheel it stands between red and yellow, warm without "
      "alarm and bright without glare. Good cheer glows in it, as does the lesson that "
      "suddenly makes sense.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. Pure gold neither rusts nor tarnishes, and for "
      "millennia we have made crowns and wedding rings of it and laid it on the halos of "
      "painted saints. As a color it promises a worth that lasts. Gold goes to the winner of a "
      "race and to a couple married half a century. We prize it as a token of wisdom no less "
      "than of wealth.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. Lemons and "
      "sunflowers are yellow, and so is the pencil we chewed on at school. When cartoonists "
      "draw a bright idea, the bulb over the head is often yellow. We pair it with curiosity "
      "and good humor, and with the hope that tomorrow will improve on today. We reach for it "
      "when we want a page to look brighter or a whole day to feel more cheerful.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life, from the first shoots after "
      "frost to moss on old stone. An hour among trees can quiet a crowded head. Young wheat "
      "in May is green with the promise of harvest, and a fallow field is green with rest. "
      "Americans call their dollar bills greenbacks; a gardener whose plants prosper has a "
      "green thumb. Shakespeare gave jealousy green eyes, but the color itself is generous.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Distance is blue: hills "
      "turn bluer the farther they lie from us, and the sky over them has no edge. Renaissance "
      "painters prized ultramarine, ground from lapis lazuli, so highly that they often kept "
      "it for the robes of the Virgin. Blue suits tranquil, patient hours, like an angler's "
      "dawn on a calm lake or a sailor's wait for wind.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. It is red with its "
      "temper cooled: the flush of a cheek after a winter walk, the cherry blossoms of April. "
      "For many of us it is the color of patient effort, the task done slowly and carefully "
      "because we love it and want to see it bloom.";
static_assert(PinkDescription.size() == 304);

inline constexpr std::string_view IndigoDescription
    = "Indigo is said to affect our physical as well as mental health positively. After dusk, "
      "the sky deepens to indigo; the dye of that name once crossed oceans and today colors "
      "our jeans. Newton counted it among the seven colors of the rainbow. Many of our boldest "
      "ideas arrive late at night, when a hunch feels trustworthy before we can explain why.";
static_assert(IndigoDescription.size() == 345);

inline constexpr std::string_view VioletDescription
    = "Violet is such a color, which reflects sensitivity and a longing for what lies beyond "
      "the everyday. It sits at the far edge of the rainbow, the last color we see before "
      "light passes out of human sight. In many churches it marks Advent and Lent, weeks of "
      "waiting and reflection. We see it in amethyst and in the sky just after sunset. Violet "
      "invites contemplation and the hush before prayer.";
static_assert(VioletDescription.size() == 390);

inline constexpr std::string_view StrongWillDescription
    = "This is the color, which indicates strong-will, forceful purpose, and the nerve to hold "
      "a course when others lose heart. Less a shade than a temper, it shows in those of us "
      "who finish what we start. Where it appears, promises are kept and plans survive foul "
      "weather. With it, scattered effort gathers into one line, and a quiet voice finds the "
      "courage to speak up. Such firmness serves us best when we can also bend a little.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
