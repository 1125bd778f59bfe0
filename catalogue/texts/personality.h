// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self. It is counted from "
      "the consonants of your name. It describes the side of you others meet first, before "
      "they find what lies beneath it.";
static_assert(PersonalityIntro.size() == 203);

inline constexpr std::string_view Personality1
    = "Great feeling of importance is what you love. People notice it in your walk before you "
      "say a word: quick, upright, heading somewhere. In meetings you propose the plan, then "
      "defend it well after others have given up. Your vigor is contagious on a good day and "
      "overwhelming on a tired one. Anyone who can keep pace with you gains a loyal, spirited "
      "ally.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family. You listen "
      "with your whole face, and people tell you more than they intended, then feel lighter "
      "for it. At work you remember the name of a colleague's new baby and notice who has gone "
      "quiet lately. Behind your gentle manner sits a keen mind that misses very little.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. You dress with flair, talk with your hands, and "
      "find something amusing in a delayed train. Your quickness of mind turns a conversation "
      "into a game of catch, and people leave cheered without knowing why. Your jokes often "
      "have a serious idea folded inside them. A friend who asks you a simple favor may find "
      "it turned into a production, complete with costumes.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. Colleagues hand "
      "you the keys, the accounts, and the most difficult client. You dress plainly and never "
      "hurry a sentence or a decision. Off duty, you guard your rest as firmly as your work "
      "and feel no guilt over a slow Sunday.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. Your talk roams "
      "from one city to the next, and your summer plans change weekly. Friends half expect a "
      "postcard from somewhere new. Still, you keep your head in a crisis. With a child or a "
      "newcomer you show a patience that surprises anyone who knows only your restless side.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. The photographs on every wall say so before you do. "
      "A guest gets a chair pulled closer and a question that shows you guessed more than they "
      "said. Your house looks imagined rather than bought. At family councils relatives defer "
      "to you, and your gentle word settles most quarrels.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. At a party you end up by the bookshelf, talking with one person. Strangers "
      "may mistake your reserve for coolness. It is closer to reverence: you listen as if "
      "something important might yet be said. You speak seldom, so people lean in when you do.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of authority and broad "
      "influence. You carry yourself as if you had already been promoted twice. Your clothes "
      "are picked with care and your handshake is firm. When a company needs a shake-up, its "
      "people look to you, and you rarely disappoint them.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. Strangers ask you for directions and often leave with "
      "advice about their lives as well. Something in your bearing suggests someone who has "
      "seen a great deal and judged little of it. You treat a waiter and a director with the "
      "same courtesy. People also assume you are richer than you are, because you give so "
      "freely.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide to others on "
      "their way. You look a little unworldly, as if partly elsewhere. Colleagues find your "
      "ideals dizzying but never doubt your kindness. Every feeling crosses your face, which "
      "makes you easy to trust. Crowds tire you; in a small circle you are at your warmest.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. In company "
      "you are calmer than such ambition would suggest. You speak in practical terms of costs, "
      "dates, and who will do what, yet your listeners leave convinced that something "
      "important has begun. Bankers trust you; so do volunteers. People relax visibly when you "
      "take charge.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
