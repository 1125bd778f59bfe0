// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self. Summed from your full "
      "name's consonants and reduced, 11 and 22 excepted, it shows how a stranger sees you and "
      "what friends find later.";
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
      "with your whole face, people tell you more than they meant to, then feel lighter for it. "
      "You know all your nieces' shoe sizes and notice which colleague has started to skip lunch. "
      "In August you bring a friend the potted fern she admired in April.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. Without a microphone, your voice reaches the back row "
      "of a hall. Your birthday cards arrive hand-lettered, each with a small ink sketch of the "
      "person it greets. Neighbors let you choose the paint for their kitchens. The prints in your "
      "hallway are linocuts you carved yourself. Asked for a short toast at a retirement party, "
      "you deliver it in rhymed couplets.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. A month into a new "
      "job, you are trusted with the spare keys to the office. You dress in brown and gray, with a "
      "silver watch set a minute fast. You rush neither a sentence nor a decision. No one has to "
      "remind you of a promise.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. You switch hobbies "
      "every spring and rearrange your furniture on a whim. Your clothes are casual, with one bold "
      "piece, such as a vintage bowling shirt. You sleep soundly with the dinner dishes still in "
      "the sink. Bored children at a picnic learn a card trick or two from you.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. Every wall of your home says so in photographs. At a "
      "reunion you are easy to find, at the head of the table with a baby on one knee, running a "
      "quiz you wrote. A quarrel over who married whom, and when, ends once you fetch the family "
      "tree you have charted back seven generations.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. A host who finds you by the bookshelf amid the chatter can take your reserve for "
      "coolness. In fact you are listening intently, weighing every word for what it reveals. When "
      "you do speak, your sentences are short and already drafted in your head.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of a kind that brings authority. "
      "Your bearing has the ease of someone already promoted twice. You announce a sweeping change "
      "briskly, as if it were the very news everyone had hoped for. You read city council minutes "
      "as closely as a balance sheet.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. On short acquaintance you seem to have seen a great deal of "
      "life and forgiven most of it. You will gladly give an afternoon on the phone to secure the "
      "introduction a former intern needs. Friends quote your old advice back to you, and it holds "
      "up. A loan from you comes with no IOU and no reminder, whatever the sum.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide to anyone who has "
      "lost the way. Tourists pick you out of a crowd for directions, and you walk them there. "
      "After two nights on your couch, a nephew adrift since a layoff sets off with a plan. A hard "
      "idea you will explain three ways, if need be, until one of them lands.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. Restaurant "
      "napkins carry your sketches for mapping the whole ocean floor, drawn as casually as others "
      "plan a weekend. If a deadline slips, colleagues drift toward your desk, since you alone "
      "seem in no hurry. No crisis keeps you past six. The fix usually surfaces over breakfast.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
