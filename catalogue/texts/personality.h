// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self. Drawn from the "
      "consonants of your name, it shows the impression you make on others, the image you present "
      "and the ambitions behind it.";
static_assert(PersonalityIntro.size() == 203);

inline constexpr std::string_view Personality1
    = "Great feeling of importance is what you love. You walk into a room and quietly take charge, "
      "and others tend to assume you are the one in command. You present yourself as confident, "
      "original and self-reliant, someone who would rather set the pace than follow it. That "
      "assurance draws people to you, though it can also keep the shyer ones at a distance.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family, and others sense "
      "that warmth at once. You come across as gentle, tactful and easy to talk to, a natural "
      "peacemaker who eases tensions with a kind word. Your quiet manner hides a shrewd mind, and "
      "those who ask your opinion are often surprised by how much you notice.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. You appear lively, witty and full of color, the "
      "storyteller who enlivens dull evenings and makes strangers laugh. You like presenting a "
      "stylish, expressive image, and people easily picture you on a stage, behind a camera or at "
      "an easel. Charm opens doors for you with little effort, but what keeps them open is the "
      "steady, unglamorous work that talent needs.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. You seem practical, "
      "orderly and truthful, the one who arrives on time and finishes what was promised. You dress "
      "and speak without fuss, and your word is trusted. Few guess at the dry humor and warmth "
      "that show once you relax.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. You give the impression "
      "of an adventurer: curious, quick-witted and ready for the next journey or new idea. Your "
      "image is youthful and magnetic, and your energy draws people in. They may wonder if you "
      "will stay, so show them that your love of change can sit beside loyalty.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. To those who know you, you are a caring, dependable "
      "presence, the one who remembers birthdays and opens the door to anyone in need. You present "
      "a warm, comfortable image, and yours is usually the cozy home where friends gather. Accept "
      "the same care when it is offered in return.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. To others you seem reserved, thoughtful and slightly mysterious, a quiet observer "
      "who sees what the rest of the room misses. People respect your insights but may find you "
      "hard to reach. Share a few of your discoveries, and that distance shrinks.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of authority and real influence. "
      "You strike people as capable, ambitious and self-assured, the sort of person who could run "
      "a large company tomorrow. Your polished image leads others to expect results, and more "
      "often than not you do deliver them.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. People recognize a broad-minded humanitarian in you, "
      "someone who treats any stranger with the same respect as a friend. Your manner is gracious "
      "and a little idealistic, and it is easy to imagine you working for a great cause. Many find "
      "you inspiring, and a few will take more of your time and goodwill than is fair.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide who shows others a "
      "higher way. As a master number, 11 lends your outer self a quality hard to define. Others "
      "sense a visionary in you and come to you for insight even before they know you well. Your "
      "sensitivity is plain to see, and crowds and noise soon wear you down.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. With 22 as your "
      "number, you come across as both practical and visionary, able to turn a grand plan into "
      "brick and mortar. People sense that you could achieve great things. Your presence inspires "
      "trust, and colleagues who would hesitate alone commit gladly once you lead the way.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
