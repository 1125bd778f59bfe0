// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self. It is formed from "
      "the consonants of your full name. It describes the face you show to the world, before "
      "anyone sees what lies beneath.";
static_assert(PersonalityIntro.size() == 203);

inline constexpr std::string_view Personality1
    = "Great feeling of importance is what you love. People sense it instantly, in a brisk and "
      "upright walk that is plainly heading somewhere. In meetings you propose the plan, then "
      "defend it until everyone else has given up. Your vigor is contagious on a good day and "
      "overwhelming on a tired one. The flash of crimson in your clothing is seldom an "
      "accident.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family. You listen "
      "with your whole face, and people tell you more than they intended, then feel lighter "
      "for it. At the office, you remember the name of a colleague's new baby and notice who "
      "has gone quiet lately. The gentle manner hides a keen mind that misses very little.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. You talk with your hands, and your voice can fill "
      "a hall without a microphone. A delayed commuter train becomes material: by the time it "
      "arrives you have the entire platform laughing. Your jokes often have a serious idea "
      "folded neatly inside them. Asked for a simple favor, say a birthday card, you may "
      "deliver a production complete with costumes and a song.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. Within a few "
      "weeks you hold the keys and the hardest client. You dress in browns and grays, with a "
      "silver watch that keeps perfect time. You do not hurry a sentence or a decision. Your "
      "promise is as good as a signed contract.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. You rarely sit "
      "still, and your weekend plans change twice before Friday. You favor casual clothes with "
      "one bold touch, such as cherry-red sneakers. With a child or with a nervous beginner, "
      "though, your patience is bottomless; you explain a step a fifth time without a sigh.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. The photographs on every wall say so before you do. "
      "A guest gets a chair pulled closer and a question that shows you noticed what went "
      "unsaid. Even your garden gate is hand-painted. If cousins squabble at a wedding, a "
      "gentle word from you ends the matter before the cake is cut.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. At a party you end up by the bookshelf, talking with one guest. Hosts may "
      "mistake your reserve for coolness. It is close to reverence: you listen as if the next "
      "remark might matter. You speak seldom and pick your words as a jeweler picks pearls.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of a kind that brings "
      "authority. You carry yourself as if you had already been promoted twice. You arrive at "
      "each meeting with a plan for the next. The newest gadget in the office is usually "
      "yours. Your talk turns to what could be done otherwise.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. Strangers stop you for directions and receive advice "
      "about their lives as well. Your bearing hints at someone who has seen a great deal and "
      "judged so little of it. You treat a waiter and a director with the same courtesy. Your "
      "opinions are few and well aimed. You could afford far more show than you allow yourself.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide to anyone who "
      "has lost the path. You look a little unworldly at first, as if part of you were "
      "listening to distant music. Your team finds your plans lofty but trusts your kindness "
      "at once. A book of poems often travels in your bag. You ask why before you ask how much.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. In person "
      "you are quieter than such ambition would suggest and slow to interrupt. New "
      "acquaintances take you for a civil engineer. You ask how things are made and who "
      "repairs them. Over dinner you sketch bridges on the back of a paper napkin; more than "
      "one has since been built.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
