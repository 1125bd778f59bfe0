// Colour descriptions: what each colour signifies and how it affects mood, mind and life.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view RedDescription
    = "Red is such a color, which is liable to cause irritation to the nerves when it "
      "surrounds us for too long, yet in small doses it wakes a tired body like nothing "
      "else. It is the shade of blood, fire and courage, and it speaks of passion, hunger "
      "and the will to act at once. A touch of red in your clothes can lift a low mood "
      "before an interview, while a red bedroom may keep a restless sleeper awake.";
static_assert(RedDescription.size() == 398);

inline constexpr std::string_view OrangeDescription
    = "Orange is the color of the Sun and this is the color, which brings warmth, cheer "
      "and a friendly appetite for company. It mixes the energy of red with the gladness "
      "of yellow, so it encourages sociability, play and honest enthusiasm. Orange walls "
      "in a kitchen invite long conversations, and an orange scarf on a gray winter day "
      "can gently lift a heavy heart.";
static_assert(OrangeDescription.size() == 356);

inline constexpr std::string_view GoldDescription
    = "Gold symbolizes honor and devotion. It has crowned kings, framed sacred icons and "
      "sealed wedding vows, so it carries a sense of lasting value and of promises kept. "
      "In the mind it awakens generosity, self-respect and a wish to share what we have "
      "earned. Used gently, gold brings dignity to a home, but too much of it can tip "
      "pride into vanity and display.";
static_assert(GoldDescription.size() == 354);

inline constexpr std::string_view YellowDescription
    = "Yellow symbolizes intelligence, intellectuality and to some extent vitality. It is "
      "the bright hue of morning light and spring daffodils, and it sharpens the mind, "
      "helping us focus, study and find words for our ideas. A yellow notebook or lamp on "
      "a desk can keep the thoughts moving freely. People drawn to yellow are often "
      "curious and witty, though a harsh, glaring yellow may leave sensitive souls anxious "
      "and restless.";
static_assert(YellowDescription.size() == 420);

inline constexpr std::string_view GreenDescription
    = "If seen from a positive perspective, Green signifies life, growth and renewal, the "
      "color of new leaves after a long winter. It is the most restful hue for the eye and "
      "it brings balance to a hurried mind, which is why gardens and woods calm us so "
      "quickly. Green also speaks of hope, healing and generosity. From a darker angle it "
      "can hint at envy or possessiveness, so it asks us to grow without clutching at what "
      "others have.";
static_assert(GreenDescription.size() == 425);

inline constexpr std::string_view BlueDescription
    = "Blue is said to be the color of the human body, mind and soul. Like a clear sky or "
      "a deep lake, it slows the breath, cools a hot temper and invites trust and loyalty. "
      "Blue supports honest speech and calm reflection, and many people find that a blue "
      "room helps them sleep more deeply. Its quiet strength offers patience in hard "
      "times, though too much of it may drift into melancholy and retreat.";
static_assert(BlueDescription.size() == 394);

inline constexpr std::string_view PinkDescription
    = "Pink is the color, which represents creativity and working attitude. It softens the "
      "fire of red with the gentleness of white, so it joins tenderness with steady, "
      "patient effort. Pink eases tension, invites kindness toward ourselves and others, "
      "and lends a hopeful, playful touch to the daily tasks we do.";
static_assert(PinkDescription.size() == 304);

inline constexpr std::string_view IndigoDescription
    = "Indigo is said to affect our physical as well as mental health positively. This "
      "deep shade of the night sky turns our attention inward, toward intuition, wisdom "
      "and quiet insight. It is linked with the third eye and aids meditation, deeper "
      "thought and restful sleep. Indigo suits seekers and dreamers, and it reminds us to "
      "trust the inner voice.";
static_assert(IndigoDescription.size() == 345);

inline constexpr std::string_view VioletDescription
    = "Violet is such a color, which reflects sensitivity and a longing for beauty, "
      "mystery and the spiritual side of life. Once rare and costly, it was worn by "
      "emperors and priests, and it still has an air of majesty. Violet inspires artists, "
      "poets and singers, and it soothes a troubled spirit in times of grief. Those who "
      "love it are often idealistic and gentle, and need time alone to recover.";
static_assert(VioletDescription.size() == 390);

inline constexpr std::string_view StrongWillDescription
    = "This is the color, which indicates strong-will, forceful determination and a "
      "refusal to give up when the road turns steep. It belongs to people who set a goal "
      "and walk toward it step by step, whatever others say. This color steadies nerves in "
      "a crisis, offers courage to speak up and helps a scattered mind gather itself. "
      "Carried too far, its firmness can harden into stubbornness, so it works best when "
      "joined with patience.";
static_assert(StrongWillDescription.size() == 425);

} // namespace vorn::text
