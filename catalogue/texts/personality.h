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
    = "Great feeling of importance is what you love. People sense it at once, in a quick, upright "
      "stride that is plainly heading somewhere. Your hand shoots up halfway through a question, "
      "and you argue for your answer. Your vigor is contagious to the well rested and overwhelming "
      "to the tired. Those closest to you see that you drive yourself hardest of all.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family. Because you listen "
      "with your whole face, people tell you more than they meant to, then feel lighter for it. "
      "You remember the names of colleagues' new babies and notice who has started to skip lunch. "
      "In August you bring a friend the potted fern she admired in April.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. Your voice reaches the back row of a hall without a "
      "microphone. A delayed commuter train becomes material, and before it pulls in you have the "
      "entire platform laughing. Your jokes usually carry a serious point folded neatly inside "
      "them. Asked to give a short toast at a retirement party, you put on a small production with "
      "costumes and a chorus of coworkers.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. A month into a new "
      "job, you are trusted with the spare keys to the office. You dress in brown and gray, with a "
      "silver watch set a minute fast. Your speech and decisions are never rushed. No one has to "
      "remind you of a promise.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. You doodle through "
      "lectures and rearrange your plans twice before dinner. Your clothes are casual, with one "
      "bold touch such as cherry-red sneakers. When a flight is canceled, you are the least "
      "ruffled person in line, teaching the bored children behind you a sly card trick.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. Every wall of your home says so in photographs. At a "
      "reunion you are easy to find, at the head of the table with a baby on one knee, running a "
      "quiz of your own. Relatives call you first with their news. Cousins' allergies and feuding "
      "uncles are all marked on your seating chart.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. A host who finds you by the bookshelf, talking to one guest, can take your "
      "reserve for coolness. In fact you are listening hard, weighing every word for what it "
      "reveals. You speak seldom, and then in short sentences already drafted in your head.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of a kind that brings authority. "
      "You carry yourself with the ease of someone already promoted twice. Your staff soon sees "
      "that \"we have always done it this way\" counts for nothing with you. Each new gadget is "
      "yours early, and in a drawer by fall.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. On short acquaintance you seem to have seen a great deal of "
      "the world and forgiven most of it. Slow to take offense, you are quick to make an "
      "introduction that helps a former intern's career along. Your opinions are few, and each is "
      "well aimed. A loan from you comes with no IOU and no reminders, whatever its size.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide to anyone who has "
      "lost their way. New acquaintances think you unworldly, with a far-off look that reads as "
      "shyness. Your team calls your ideas lofty but never selfish. A book of poems lives in your "
      "backpack. You ask why a deal matters before you ask what it will earn.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. Calmer than "
      "such ambition would suggest, you rarely interrupt, and almost nothing rattles you. If a "
      "deadline slips, colleagues drift one by one toward your desk, since you alone seem in no "
      "hurry. No crisis keeps you past six. The fix usually surfaces over coffee in the morning.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
