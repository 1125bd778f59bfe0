// Life Journey texts: the introduction and the interpretation for each Life Journey Number.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view LifeJourneyIntro
    = "This is one of the most important numbers. Your Life Journey Number is drawn from "
      "your date of birth, and it describes the road you take through life: the lessons you "
      "are here to learn, the gifts you find on the way and the purpose that slowly shapes "
      "your days.";
static_assert(LifeJourneyIntro.size() == 261);

inline constexpr std::string_view LifeJourney1
    = "Your main purpose should be attaining independency. From an early age, life puts you "
      "at the front of the line, whether you asked to stand there or not, and it often "
      "leaves you to decide alone and to trust your own judgment when no one else agrees. "
      "Those trials are your schooling, however lonely they feel. Over the years you learn "
      "to launch projects, to lead with confidence and to turn bold ideas into results that "
      "others can see. The harder lesson is to lead without bullying and to accept help "
      "without feeling smaller for it. You are the pioneer among the numbers: the one who "
      "goes first, clears the way and proves to everyone else that it can be done.";
static_assert(LifeJourney1.size() == 656);

inline constexpr std::string_view LifeJourney2
    = "Usually you are creative and follow certain protocols. That respect for shared rules "
      "serves you well, because your life unfolds most fully in partnership. You have a "
      "gift for listening, sensing moods and bringing opposing sides to fair agreement. "
      "Many of your turning points come through friendship, marriage or close teamwork. "
      "Learn to value your own voice as much as you value harmony, since peace bought with "
      "silence rarely lasts. Patient, tactful and perceptive, you are the diplomat who "
      "holds a group together.";
static_assert(LifeJourney2.size() == 515);

inline constexpr std::string_view LifeJourney3
    = "You are entertainers, optimists and very creative. Number 3 puts you on a course of "
      "self-expression, and life keeps asking you to share what you feel in words, art, "
      "music or plain laughter. Doors tend to open when you speak up, tell stories and "
      "bring joy to a room, and even in hard times your humor carries others through. The "
      "risk is that you scatter your talents across too many projects, or hide real "
      "feelings behind a cheerful mask. This life teaches discipline in the service of "
      "delight: finish what you begin, and let people see the person beneath the "
      "performance.";
static_assert(LifeJourney3.size() == 571);

inline constexpr std::string_view LifeJourney4
    = "The Life Path 4 produces the most reliable, practical, and hardworking people, the "
      "builders who lay foundations that last. Your way through life is a steady climb "
      "rather than a sudden leap. Success comes brick by brick, through careful planning, "
      "honest effort and loyalty to duty. Setbacks and heavy responsibilities may arrive "
      "early in life, yet each one trains your patience and skill. Your task is to stay "
      "open to change, since rigid plans tend to crack under pressure. When order meets "
      "flexibility, you create security for yourself and for everyone who depends on you.";
static_assert(LifeJourney4.size() == 572);

inline constexpr std::string_view LifeJourney5
    = "Generally people with 5 are very multitalented, bold, and progressive. Your life "
      "rarely stays in one place for long: travel, new jobs, new towns and chance meetings "
      "keep reshaping your story, and each change teaches something the last could not. You "
      "learn quickly, adapt easily and bring fresh air into stale situations. You are the "
      "friend who has tried almost everything once and has a tale to tell about each. "
      "Freedom is both your gift and your test. Chasing each thrill can leave you tired and "
      "rootless, and promises made lightly are soon outgrown. Choose a few commitments "
      "worth keeping, and let them steady your wandering.";
static_assert(LifeJourney5.size() == 627);

inline constexpr std::string_view LifeJourney6
    = "The Life Path 6 indicates that you have a strong sense of responsibility. Home, "
      "family and community shape your journey, and you are often the person others turn to "
      "for comfort, advice or a warm meal. Nurturing comes naturally to you, and teaching, "
      "healing and protecting those you love give your days their meaning. The danger is "
      "that you shoulder burdens that were never yours, or run other people's lives for "
      "their own good. Love without smothering, and keep some care for yourself. At your "
      "best, you are the steady center around which a household, a workplace or a whole "
      "town gathers.";
static_assert(LifeJourney6.size() == 588);

inline constexpr std::string_view LifeJourney7
    = "You tend to be calm and affectionate by nature. Beneath that gentle manner lies a "
      "questioning mind, and your life becomes a search for truth: the reasons behind "
      "events, the meaning behind beliefs. Experience teaches you more than lectures, and "
      "your deepest insights often follow a loss or a long wait. Open up to others, so that "
      "the search does not harden into distance. Those you let close find a patient, "
      "perceptive friend.";
static_assert(LifeJourney7.size() == 425);

inline constexpr std::string_view LifeJourney8
    = "You are very materialistic and are focused on learning the ways of money, power and "
      "achievement. Life tests your ambition again and again and asks you to master the "
      "material world rather than be ruled by it. You have a head for business, a talent "
      "for organizing people and the stamina to recover from setbacks. You may win and lose "
      "a fortune more than once, and each reversal shows what money can and cannot buy. "
      "Authority comes to you readily, and the recurring question is whether you will use "
      "it, and your wealth, for the good of all.";
static_assert(LifeJourney8.size() == 537);

inline constexpr std::string_view LifeJourney9
    = "People with number 9 are generous, loving and have an inborn wish to make the world "
      "kinder. Yours is a life of service and completion, and it brings you among people of "
      "all backgrounds. You feel the pain of strangers deeply and often give more than you "
      "receive. You see many endings: friendships, places and whole chapters of life close "
      "so that something wider can begin. The lesson is to let go gracefully and forgive "
      "freely, yourself included.";
static_assert(LifeJourney9.size() == 445);

inline constexpr std::string_view LifeJourney11
    = "This is a master number and is associated with spiritual awareness. You are called "
      "to bring vision and hope to others through teaching, healing or the arts. Your "
      "intuition is strong, and sudden flashes of insight set your course before reason "
      "catches up. The same sensitivity brings nervous strain and ideals so lofty that "
      "daily life may disappoint you. Rest and simple routines make that load lighter.";
static_assert(LifeJourney11.size() == 402);

inline constexpr std::string_view LifeJourney22
    = "The number 22 is the most powerful of all the Life Path numbers. It joins the vision "
      "of 11 with the practical skill of 4, and your life invites you to give great dreams "
      "a solid form. You have it in you to found institutions, lead movements and run large "
      "undertakings. Such potential brings heavy pressure, and you may doubt yourself or "
      "settle for far less than you could do. Think on a grand scale while attending to the "
      "details that make a plan work. Few paths ask as much of a person, and few offer as "
      "much strength to meet the demand.";
static_assert(LifeJourney22.size() == 537);

} // namespace vorn::text
