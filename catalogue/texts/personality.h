// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self. Drawn from your "
      "name's consonants, it shows the impression you make on others, the image you present and "
      "the dreams people see in you.";
static_assert(PersonalityIntro.size() == 203);

inline constexpr std::string_view Personality1
    = "Great feeling of importance is what you love. Others see you as a born leader who walks "
      "into a room and quietly takes charge. You present yourself as confident, original and "
      "self-reliant, someone who would rather set the pace than follow. People picture you at "
      "the head of the line; a gentler word now and again makes your strength easier to approach.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family, and others sense "
      "that warmth at once. You come across as gentle, tactful and easy to talk to, the one who "
      "eases tension with a kind word. People see you as a natural partner and peacemaker. Let "
      "them hear your own views as well; your quiet manner hides a sharp mind.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. You appear lively, witty and full of colour, the "
      "storyteller who brightens a dull evening and makes strangers laugh. You like to present a "
      "stylish, expressive image, and people imagine you on a stage, behind a camera or holding "
      "a brush. Your charm opens doors with ease; give your talents steady effort too, so the "
      "sparkle others admire becomes lasting work.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. Others see you as "
      "practical, orderly and truthful, the one who arrives on time and finishes what was "
      "promised. You dress and speak without fuss. People trust your judgement; a little "
      "playfulness would reveal your warmer side.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. Others see an "
      "adventurer: curious, quick-witted and always ready for the next journey or new idea. Your "
      "image is youthful and magnetic, and people are drawn to your energy. They may wonder "
      "whether you will stay, so show them that your love of change can sit beside loyalty.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. Others see you as a caring, dependable presence, the "
      "one who remembers birthdays and opens the door to anyone in need. You present a warm, "
      "comfortable image, often with a fine eye for a cosy, welcoming home. People lean on you "
      "readily; be sure to accept the same care in return.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. To others you seem reserved, thoughtful and a little mysterious, a quiet "
      "observer who sees what the rest of the room misses. People respect your wisdom, yet may "
      "find you hard to reach, so share a few of your discoveries and let them come closer.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of authority and real "
      "influence. You seem capable, ambitious and self-assured to others, someone who looks "
      "ready to run a company. You present a polished image, and people expect results from you. "
      "Let them see the generous heart behind the power.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. Others see you as a broad-minded humanitarian who cares "
      "about the wider world and treats every person with the same respect. Your manner is "
      "gracious and a touch idealistic, and people imagine you working for a great cause or "
      "helping those in need. They find you inspiring; keep some of that generosity for yourself.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide who shows others a "
      "higher way. As a master number, 11 gives your outer self an almost luminous quality. "
      "People sense something visionary in you and often come to you for insight. Your "
      "sensitivity is plain to see; learn to stay grounded while others look to your light.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. Carrying the "
      "master number 22, you strike others as a master builder, practical and visionary at once, "
      "able to turn a grand plan into stone. People see in you the power to achieve great things "
      "for all. Your presence inspires confidence; let it invite others to build beside you.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
