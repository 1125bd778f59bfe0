// Colour descriptions: what each colour signifies and how it affects mood, mind and life.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves when it "
      "surrounds us for too long, yet in small doses it can revive a weary body and mind. "
      "It is the color of blood, fire and courage, and it speaks of passion, appetite and "
      "the urge to act at once. A touch of red in your clothes can lift your spirits before "
      "an interview, while a red bedroom may keep a restless sleeper awake.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which brings warmth, cheer and "
      "a taste for good company. It blends the energy of red with the gladness of yellow, "
      "and so it encourages sociability, play and honest enthusiasm. Orange walls in a "
      "kitchen invite long conversations over supper, and an orange scarf can brighten even "
      "the grayest winter day.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. It has crowned kings, framed sacred icons and "
      "sealed wedding vows, so it carries a sense of lasting value and promises kept. In "
      "the mind it awakens generosity, self-respect and a wish to share what we have "
      "earned. Used sparingly, gold lends dignity to a home, but too much of it can turn "
      "pride into vanity and display.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. It is "
      "the bright hue of morning light and spring daffodils, and it sharpens the mind, "
      "helping us to focus, to study and to find words for our ideas. A yellow notebook or "
      "a desk lamp can keep a drowsy student alert. People drawn to yellow are often "
      "curious and witty, though a harsh, glaring yellow can make sensitive natures anxious "
      "and tense.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life, growth and renewal, the "
      "color of new leaves after a long winter. It is the most restful hue for the eye, and "
      "it brings balance to a hurried mind, which is why gardens and woods can calm us so "
      "quickly. Green also speaks of hope, healing and plenty. In a darker light it hints "
      "at envy or possessiveness, and so it warns us to grow without grasping at what "
      "others have.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Like a clear sky or a "
      "deep lake, it slows the breath, cools a hot temper and invites trust and loyalty. "
      "Blue favors honest speech and calm reflection, and many people find that a blue "
      "bedroom helps them sleep soundly. It lends quiet strength and patience in hard "
      "times, though too much of it can bring on melancholy and withdrawal.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. It tempers the "
      "fire of red with the calm of white, joining tenderness to steady, patient effort. "
      "Pink eases tension, encourages kindness toward ourselves and others, and brings a "
      "hopeful, playful note to the ordinary work of every day.";
static_assert(PinkDescription.size() == 304);

inline constexpr std::string_view IndigoDescription
    = "Indigo is said to affect our physical as well as mental health positively. This deep "
      "shade of the night sky turns our attention inward, toward intuition, wisdom and "
      "quiet insight. Linked with the third eye, it is often used to still the mind for "
      "meditation or sleep. Indigo suits seekers and dreamers, and it reminds us to trust "
      "the inner voice.";
static_assert(IndigoDescription.size() == 345);

inline constexpr std::string_view VioletDescription
    = "Violet is such a color, which reflects sensitivity and a longing for beauty, mystery "
      "and the spiritual side of life. Once rare and costly, it was worn by emperors and "
      "priests, and it still carries an air of majesty. Violet inspires painters and poets, "
      "and it soothes a troubled spirit in times of grief. Those who love it tend to be "
      "gentle idealists who need time alone to renew themselves.";
static_assert(VioletDescription.size() == 390);

inline constexpr std::string_view StrongWillDescription
    = "This is the color, which indicates strong-will, forceful determination and a refusal "
      "to give up when a task grows hard. It belongs to people who set a goal and work "
      "toward it step by step, whatever others say. This color steadies the nerves in a "
      "crisis, gives courage to speak up and helps a scattered mind collect itself. Pushed "
      "too far, its firmness can harden into stubbornness, so it works best when joined "
      "with patience.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
