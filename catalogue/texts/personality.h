// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self. Summed from your full "
      "name's consonant values, Y included, and reduced to one digit unless the sum is 11 or 22, "
      "it shows your bearing.";
static_assert(PersonalityIntro.size() == 203);

inline constexpr std::string_view Personality1
    = "Great feeling of importance is what you love. It is plain from the start, in a signature "
      "that fills half a page of a guest book. You like the seat beside the host and an "
      "introduction with your full title. To the well-rested, your vigor is contagious; to the "
      "tired, it is overwhelming. Your business card lists every office you have held since "
      "college.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family. Because you listen "
      "with your whole face, people tell you more than they meant to and feel lighter for it. You "
      "know the family's shoe sizes and spot which colleague has started to skip lunch. The potted "
      "fern a friend admired in April turns up on her porch in August.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. Without a microphone, your voice reaches the back row "
      "of any theater. You hold yourself as a dancer does, chin level. You notice a menu's "
      "typeface before its prices. You walk all the way around any statue in your path. Neighbors "
      "trust you to choose the paint for their kitchens. Asked for a short toast at a farewell "
      "party, you deliver it in rhymed couplets.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. A month into a new "
      "job, you are trusted with the spare keys to the office. You dress in browns and grays, with "
      "a silver watch set a minute fast. You rush neither a sentence nor a decision. No email "
      "waits a day for your reply.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. In a stalled line at "
      "the post office you chat with whoever stands behind you. Your clothes are casual, with one "
      "bold piece, such as a vintage bowling shirt. You sleep soundly with the dinner dishes still "
      "in the sink. You show bored children at a picnic a coin trick or two.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. Every wall of your house says so in photographs. At a "
      "reunion you are easy to find, at the head of the table with a baby on one knee, running a "
      "quiz you wrote. A dispute over which cousin is oldest ends when you fetch the family tree "
      "you have charted on a roll of butcher paper.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. A host who finds you by the bookshelf amid the chatter can take your reserve for "
      "coolness. In fact you are listening intently, weighing every word for what it reveals. When "
      "you do speak, your sentences are short and already drafted in your head.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of a kind that brings authority. "
      "You carry yourself with the ease of someone already promoted twice. A sweeping change, when "
      "you announce it, sounds like the news everyone had hoped for. You read city council minutes "
      "as closely as balance sheets.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. On short acquaintance you seem to have seen a great deal of "
      "life and forgiven most of it. You will gladly give an afternoon on the phone to secure the "
      "introduction a former intern needs. The waiter gets the same courtesy from you as the "
      "chairman. You usually answer a plea for counsel with one well-chosen question.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide to anyone who has "
      "lost the way. Tourists pick you out of a crowd for directions, and you walk them there. Two "
      "nights on your couch can send a classmate between jobs away with a plan and a list of names "
      "to call. A plainer example waits behind each explanation you give.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. Restaurant "
      "napkins carry your sketches for mapping the ocean floor, drawn as casually as others plan a "
      "weekend. When a deadline slips, colleagues drift toward your desk, the one unhurried spot "
      "in the office. No crisis keeps you past six. The fix usually surfaces over breakfast.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
