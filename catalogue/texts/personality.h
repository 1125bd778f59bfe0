// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self; it is the reduced "
      "total of your full name's consonant values. It describes how you strike a stranger and the "
      "habits only friends know.";
static_assert(PersonalityIntro.size() == 203);

inline constexpr std::string_view Personality1
    = "Great feeling of importance is what you love. People notice it at once, in a quick, upright "
      "stride that is plainly heading somewhere. Your hand shoots up midway through a question, "
      "and you argue for your answer. To the well rested, your vigor is contagious; to the tired, "
      "it is overwhelming. You eat standing up more often than your doctor would like.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family. Because you listen "
      "with your whole face, people tell you more than they meant to, then feel lighter for it. "
      "You remember the names of colleagues' new babies and notice who has started to skip lunch. "
      "In August you bring a friend the potted fern she admired in April.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. Without a microphone, your voice reaches the back row "
      "of a hall. A delayed commuter train becomes material, and before it pulls in you have the "
      "entire platform laughing. Most of your jokes have a serious point folded neatly inside "
      "them. Asked to give a short toast at a retirement party, you put on a small production with "
      "costumes and a troupe of coworkers.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. A month into a new "
      "job, you are trusted with the spare keys to the office. You dress in brown and gray, with a "
      "silver watch set a minute fast. You rush neither a sentence nor a decision. No one has to "
      "remind you of a promise.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. You doodle through "
      "lectures and rearrange the furniture on a whim. You dress casually but add one bold touch, "
      "such as cherry-red sneakers. When a storm knocks out the power, you are the least ruffled "
      "person in the house, teaching the bored children a sly card trick or two.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. Every wall of your home says so in photographs. At a "
      "reunion you are easy to find, at the head of the table with a baby on one knee, running a "
      "quiz you wrote. Relatives turn to you for Grandma's recipes. Cousins' allergies and feuding "
      "uncles are all noted on your seating chart.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. A host who finds you by the bookshelf, talking to one guest, can take your "
      "reserve for coolness. In fact you are listening hard, weighing every word for what it "
      "reveals. You speak seldom, and then in short sentences already drafted in your head.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of a kind that brings authority. "
      "You carry yourself with the ease of someone already promoted twice. You announce a sweeping "
      "change briskly, as if it were the very news everyone had hoped for. Whoever is the host, "
      "the waiter brings you the check.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. On short acquaintance you seem to have seen a great deal of "
      "life and forgiven most of it. You will gladly spend an afternoon on the phone securing the "
      "introduction a former intern needs. Friends quote your old advice back to you, and it holds "
      "up. A loan from you comes with no IOU and no reminder, whatever the sum.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide to anyone who has "
      "lost their way. Tourists with maps pick you out of a crowd for directions, and you walk "
      "them there. A nephew adrift after college spends a weekend on your couch and heads home "
      "with a plan. You ask why a deal matters before you ask what it would earn.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. Napkins carry "
      "your sketch of an observatory for the far side of the Moon, drawn as casually as others "
      "plan a weekend. If a deadline slips, colleagues drift toward your desk, since you alone "
      "seem in no hurry. No crisis keeps you past six. The fix usually surfaces over breakfast.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
