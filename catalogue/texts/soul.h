// Interpretation texts for the Soul Number readings: an introduction and one text per number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view SoulIntro
    = "This number tries to close the gap between how you think you are and what you "
      "secretly long for. Drawn from the vowels of your full name, it reveals the "
      "quiet wishes that move your heart.";
static_assert(SoulIntro.size() == 187);

inline constexpr std::string_view Soul1
    = "You achieve a sense of gratification when you succeed in any venture you began "
      "on your terms. Deep within burns a wish to lead, to be first and to prove that "
      "your ideas can stand without support. Freedom to decide is what truly drives "
      "you, and you feel most alive when a fresh goal lies ahead and the way to it is "
      "yours to carve.";
static_assert(Soul1.size() == 329);

inline constexpr std::string_view Soul2
    = "You enclose a deep internal necessitate for love and harmony in your life. Your "
      "heart longs for close partnership, gentle words and a home where quarrels fade "
      "fast. You are moved by the chance to comfort, to mediate and to bring people "
      "together, and you rarely feel settled until those around you are at peace as "
      "well.";
static_assert(Soul2.size() == 318);

inline constexpr std::string_view Soul3
    = "You achieve a sense of pleasure when you are involved in something creative, "
      "lively and shared. Your inner self craves expression: a story told well, a "
      "song, a painting, a room full of laughter. What truly motivates you is the joy "
      "of lifting spirits and being appreciated for your wit and imagination. When "
      "your gifts go unused you grow restless, so your heart keeps searching for a "
      "stage, however small, on which to shine.";
static_assert(Soul3.size() == 423);

inline constexpr std::string_view Soul4
    = "At hand there is an ever-present need to consider sheltered and secure every "
      "part of life. Within you lives a builder who wants solid ground, clear plans "
      "and work that lasts. Your deepest wish is for order and reliability, and you "
      "find contentment in patient effort that adds up over the years. Real results, a "
      "stable home and people you can count on give your heart the peace it quietly "
      "seeks.";
static_assert(Soul4.size() == 394);

inline constexpr std::string_view Soul5
    = "The yearning to have complete liberty to be in control of your own days dwells "
      "at your core. You long for movement, travel and new sensations, and routine "
      "soon feels like a cage to you. Your heart is fed by variety, by meeting "
      "strangers and by trying what others dare not. Change is your oxygen, and "
      "adventure is the promise that keeps you going.";
static_assert(Soul5.size() == 346);

inline constexpr std::string_view Soul6
    = "Having the knowledge of being wanted and respected is an essential food for "
      "your inner self. You yearn to care for family and friends, to create a warm "
      "home and to carry responsibility for those you love. Your heart is happiest "
      "when it is needed, and beauty, fairness and loyalty are the values behind your "
      "private wishes.";
static_assert(Soul6.size() == 322);

inline constexpr std::string_view Soul7
    = "You encompass an in-built secret need to gain a spiritual understanding of life "
      "and its hidden order. Solitude, study and reflection feed your soul more than "
      "noise or crowds ever could. You long to know the truth beneath appearances, and "
      "your deepest satisfaction comes from wisdom earned in quiet.";
static_assert(Soul7.size() == 298);

inline constexpr std::string_view Soul8
    = "You have a focused drive to achieve in a material sense and to be recognised "
      "for all you have built. Inside you lies a strong wish for authority, prosperity "
      "and the power to shape events rather than follow them. Success in business or "
      "in public life satisfies your heart, yet you also desire to use your strength "
      "wisely, so that your influence leaves a lasting and worthwhile mark.";
static_assert(Soul8.size() == 381);

inline constexpr std::string_view Soul9
    = "You feel proud and satisfied, when you do something impressive for the good of "
      "humanity. Your heart is wide and compassionate, and you secretly long to heal, "
      "teach or inspire far beyond your own circle. Personal gain means little unless "
      "it serves others. Ideals, art and generosity move you, and you find peace in "
      "giving freely without asking a reward.";
static_assert(Soul9.size() == 352);

inline constexpr std::string_view Soul11
    = "Master number 11 has resemblance with number 2. Like it, this master Soul "
      "Number longs for harmony, but its desire reaches higher: you wish to illuminate "
      "and uplift others through insight and intuition. Inwardly you sense a calling "
      "to be a messenger of ideals. The tension of such a master vibration can feel "
      "intense, yet your heart is only fulfilled when it follows that inner light.";
static_assert(Soul11.size() == 384);

inline constexpr std::string_view Soul22
    = "With a master number 22 Soul Urge, there is an ever-lasting wish to turn great "
      "visions into something real and useful for many people. This master number "
      "carries the practical heart of 4 raised to a grander scale. Inwardly you dream "
      "of founding, organising and constructing works that outlive you, and small aims "
      "never quite satisfy you. You are driven by a sense of duty towards the world, "
      "and your deepest fulfilment arrives when your plans serve a purpose larger than "
      "yourself.";
static_assert(Soul22.size() == 480);

} // namespace vorn::text
