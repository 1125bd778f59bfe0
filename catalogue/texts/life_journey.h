// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. Your Life Journey Number is drawn from "
      "your date of birth, and it describes the road you walk through life: the lessons "
      "you are here to learn, the gifts you meet on the way and the purpose that slowly "
      "shapes your days.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. The path of 1 is the path of "
      "the pioneer, and your life keeps placing you at the front of the line, whether you "
      "asked for it or not. Early on you may feel pushed to stand alone, to make your own "
      "decisions and to trust your judgment when no one else agrees. Those trials are your "
      "schooling. Over the years you learn to launch projects, to lead with confidence and "
      "to turn bold ideas into real results. The lesson along the way is to lead without "
      "bullying and to accept help without feeling smaller for it. When you balance drive "
      "with patience, your journey becomes a trail that others are happy to follow.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. The path of 2 is a journey "
      "of partnership, and your life unfolds most richly through the people beside you. "
      "You have a gift for listening, for sensing moods and for bringing opposing sides to "
      "fair agreement. Many of your turning points come through friendships, marriage or "
      "close teamwork. Your lesson is to value your own voice as much as you value "
      "harmony, since peace bought with silence never lasts. With age, your gentle "
      "diplomacy becomes a true strength.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. The path of 3 is a journey of "
      "self-expression, and your life asks you to share what you feel through words, art, "
      "music or simple laughter. Doors tend to open when you speak up, tell stories and "
      "bring joy into a room. Along your way you may scatter your talents across too many "
      "projects or hide real feelings behind a cheerful mask. The lesson of this road is "
      "discipline in the service of delight: finish what you begin and let people see the "
      "heart behind the humor. Do that, and your bright spirit will light many lives.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people, the "
      "builders who lay foundations that last. Your journey through life is a steady climb "
      "rather than a quick leap. Success comes brick by brick, through careful planning, "
      "honest effort and loyalty to duty. You may meet delays and heavy responsibilities "
      "early, yet each one trains your patience and skill. Your task on this road is to "
      "stay open to change, since rigid plans can crack under pressure. When order meets "
      "flexibility, you create security for yourself and everyone who depends on you.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. The path of "
      "5 is a journey of freedom and discovery, and your life rarely stays in one place "
      "for long. Travel, new jobs, new towns and chance meetings keep reshaping your "
      "story, and each change teaches something the last could not. You learn quickly, "
      "adapt easily and bring fresh air into stale situations. The danger on this road is "
      "restlessness: chasing every thrill can leave you tired and rootless. Your lesson is "
      "to use freedom wisely and to commit to what truly matters. When you do, your varied "
      "experience becomes a wealth you can share with others.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. Your "
      "journey revolves around home, family and community, and you are often the one "
      "others turn to for comfort, sound advice or a warm meal. Nurturing comes naturally "
      "to you, and you find deep meaning in teaching, healing and protecting those you "
      "love. Along the road you may shoulder burdens that were never yours or try to "
      "control people for their own good. The lesson here is to love without smothering "
      "and to care for your own needs as well. When you find that balance, your home "
      "becomes a haven for many souls.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. The path of 7 is a quest for truth, "
      "and your life leads you inward, toward study, reflection and spiritual insight. You "
      "need quiet hours to think, and many of your finest moments arrive in solitude. The "
      "lesson on this road is to trust others enough to let them in, so that your wisdom "
      "does not turn into isolation. In time you become a seeker whose understanding "
      "guides others.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money, power and "
      "achievement. The path of 8 is a journey of mastery in the material world, and your "
      "life tests your ambition again and again. You have a keen head for business, a "
      "talent for organizing people and the stamina to recover from setbacks. Fortunes may "
      "rise and fall along the way, and each turn teaches you how to handle authority "
      "fairly. Your lesson is to use wealth and influence for the good of all. Once you "
      "do, your success becomes lasting and honorable.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn wish to make the world "
      "kinder. The path of 9 is a journey of service and completion, and your life brings "
      "you into contact with people of all backgrounds. You feel the pain of strangers "
      "deeply and often give more than you receive. Your lesson is to let go of the past "
      "gracefully and to forgive freely. As you learn this, your compassion grows into a "
      "gift that touches countless lives.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. The path of 11 "
      "is the road of the inspired messenger, and your life calls you to bring light and "
      "vision to others. Your intuition is strong, and sudden flashes of insight guide "
      "your choices. This master path brings nervous tension and high ideals that can feel "
      "heavy. Learn to ground yourself, and you become a true spiritual teacher.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. As a master "
      "number, it joins the vision of 11 with the practical skill of 4, and your life "
      "invites you to turn great dreams into lasting structures. You are the master "
      "builder, able to found institutions, movements or works that serve many people long "
      "after you. Such vast potential brings great pressure, and you may doubt yourself or "
      "settle for less. Your lesson is to think big while keeping your feet on the ground. "
      "Hold to this, and your legacy can reshape the world.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
