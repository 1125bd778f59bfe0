// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and what you "
      "secretly long for. Drawn from the vowels of your full name, it reveals the "
      "hidden wishes behind your choices.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any venture begun on "
      "your own terms. Deep within you burns a wish to lead, to be the first and to "
      "prove that your ideas can stand on their own. Freedom to decide is what drives "
      "you, and you feel most alive when a fresh goal lies ahead and the path to it is "
      "yours to carve.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. Above "
      "all you desire close partnership, kind words and a home where quarrels are soon "
      "mended. You are moved by the chance to comfort, to mediate and to bring people "
      "together, and you rarely feel settled until those around you are at peace too.";
static_assert(Soul2.size() == 318);

inline constexpr std::string_view Soul3
    = "You achieve a sense of pleasure when you are involved in something creative, "
      "lively and shared. Your inner self craves expression: a story told well, a song, "
      "a painting, a room full of laughter. What really motivates you is the joy of "
      "lifting others' spirits and of being appreciated for your wit and imagination. "
      "When your gifts go unused, you grow restless and start looking for a stage, "
      "however small, on which to shine.";
static_assert(Soul3.size() == 423);

inline constexpr std::string_view Soul4
    = "At hand there is an ever-present need to consider sheltered and secure every "
      "part of life. You want solid ground under your feet, clear plans and work that "
      "will endure. Your deepest wish is for order and reliability, and you find "
      "contentment in patient, steady effort that adds up over the years. Tangible "
      "results, a stable home and friends you can rely on bring you the peace you "
      "quietly seek.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own days dwells "
      "at your core. You crave movement, travel and new sensations, and routine soon "
      "chafes. Variety feeds you: new faces, unfamiliar towns and whatever others dare "
      "not try. However settled your life looks from the outside, part of you is always "
      "planning the next adventure.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential food for your "
      "inner self. You want to care for family and friends, to make a warm home and to "
      "take responsibility for those you love. You are at your happiest when you are "
      "needed, and beauty, fairness and loyalty are the values behind your private "
      "wishes.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of life "
      "and its hidden order. Easy answers never satisfy you; you want to know why "
      "things are as they are. Nature, philosophy and the mysteries of the mind draw "
      "you, and one genuine insight means more to you than any applause.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to be recognized for "
      "all you have built. Inside you lies a strong wish for authority, prosperity and "
      "the power to shape events rather than follow them. Success in business or in "
      "public life satisfies you deeply, yet you also want to use your strengths "
      "wisely, so that your influence leaves a worthwhile mark on the world.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive for the good of "
      "humanity. Your heart is large, and in secret you yearn to heal, teach or inspire "
      "far beyond your own circle. Personal gain means little to you unless it serves "
      "others. Ideals, art and generosity move you, and you are most at peace when you "
      "give freely and ask nothing back.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Both numbers long for harmony, "
      "but the desire of 11 reaches higher: you wish to illuminate and uplift others "
      "through your insight and intuition. In private you sense a calling to act as a "
      "messenger of ideals. A vibration this strong can feel intense and at times "
      "exhausting, yet you feel fulfilled only when you follow your inner light.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting wish to turn great "
      "visions into something real and useful to many people. The practical nature of 4 "
      "lives in you, raised to a far grander scale. You dream of founding, organizing "
      "and constructing, whether a company, a school, a hospital or a bridge, and small "
      "aims never quite satisfy you. A keen sense of duty toward the world drives you, "
      "and you feel most complete when your plans serve a purpose larger than yourself.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
