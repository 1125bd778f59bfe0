// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self; it is found by summing "
      "the consonants of your full name. It describes how you strike a stranger and the habits "
      "that only friends know.";
static_assert(PersonalityIntro.size() == 203);

inline constexpr std::string_view Personality1
    = "Great feeling of importance is what you love. People sense it at once, in a quick, upright "
      "stride that is plainly heading somewhere. Your hand shoots up halfway through a question, "
      "and you seldom back down. Your vigor is contagious to the well rested and overwhelming to "
      "the tired. Close friends know that you drive yourself harder than you push them.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family. You listen with "
      "your whole face, and people tell you more than they intended, then feel lighter for it. You "
      "remember the name of each colleague's new baby and notice who has started skipping lunch. A "
      "fern a friend admired in April arrives on her doorstep in August.";
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
      "job, you hold the spare keys and the hardest client. You dress in brown and gray, with a "
      "silver watch set a minute fast. You rush neither sentences nor decisions. A promise made on "
      "Monday is kept by Friday.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. You doodle through "
      "lectures and rearrange your plans twice before dinner. You wear casual clothes with one "
      "bold touch, such as cherry-red sneakers. When a flight is canceled, you are the least "
      "ruffled person in line, trading tips with the family behind you on where to eat.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. Every wall of your home says so in photographs. At a "
      "reunion you are easy to find, at the head of the table with a baby on one knee, running a "
      "quiz of your own. Relatives call you first with their news. Cousins' allergies and feuding "
      "uncles are all marked on your seating chart.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. You spend most parties by the bookshelf, talking to one guest. Hosts can take "
      "your reserve for coolness. In fact you are listening hard, weighing each remark for what it "
      "reveals. You speak seldom, in short sentences already drafted in your head.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of a kind that brings authority. "
      "You carry yourself with the ease of someone already promoted twice. A dusty branch office "
      "under your charge gets new hours and a new filing system within a quarter. You buy new "
      "gadgets early and tire of them fast.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. Your bearing hints at someone who has seen a great deal "
      "and forgiven most of it. You are slow to take offense and quick to make an introduction "
      "that helps somebody's career. Your opinions are few and well aimed. By the time the "
      "check reaches your table, you have usually paid it, on your way back from the restroom.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide to anyone who has "
      "lost their way. Strangers think you unworldly, with a far-off look that reads as shyness. "
      "Your team calls your ideas lofty but never calls them selfish. A book of poems travels in "
      "your bag. You ask why a deal matters before you ask what it will earn.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. Calmer than "
      "such ambition would suggest, you rarely interrupt, and almost nothing rattles you. If a "
      "deadline slips, colleagues drift toward your desk, since you alone seem to have time to "
      "listen. Even mid-crisis you leave at six and solve the problem over coffee in the morning.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
