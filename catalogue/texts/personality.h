// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self, which the "
      "consonants of your full name spell out. It describes the impression you make on "
      "entering a room and what friends find later.";
static_assert(PersonalityIntro.size() == 203);

inline constexpr std::string_view Personality1
    = "Great feeling of importance is what you love. People sense it instantly, in a brisk and "
      "upright walk that is plainly heading somewhere. In meetings you speak first and defend "
      "your proposal until everyone else gives up. Your vigor is contagious on a good day and "
      "overwhelming on a tired one. The flash of crimson in your clothing is seldom an "
      "accident.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family. You listen "
      "with your whole face, and people tell you more than they intended, then feel lighter "
      "for it. At the office you remember the name of a colleague's new baby and notice who "
      "has been skipping lunch. Your soft voice hides a sharp mind that misses very little.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. Your voice reaches the back row of a hall without "
      "a microphone. A delayed commuter train becomes material, and by the time it pulls in "
      "you have the entire platform laughing. Your jokes often have a serious idea folded "
      "neatly inside them. Asked for a simple favor, say a birthday card, you may deliver a "
      "production complete with costumes and an original song.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. In a new job you "
      "soon hold the spare keys and the hardest client. You dress in brown and gray, with a "
      "silver watch that keeps perfect time. You rush neither sentences nor decisions. A "
      "promise made on Monday is kept by Friday.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. You rarely sit "
      "still, and you rearrange a weekend twice before it starts. You wear casual clothes with "
      "one bold touch, such as cherry-red sneakers. When a flight is canceled, you are the "
      "least ruffled person in line, trading tips with the family behind you on where to eat.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. The photographs on every wall say so before you do. "
      "At a reunion you are easy to find, at the head of the table with a baby on one knee, "
      "running a quiz you invented that morning. Relatives phone you first with their news. "
      "Your opinion usually decides where Thanksgiving is held.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. At a party you end up by the bookshelf, talking to one guest. Hosts may "
      "mistake your reserve for coolness. In fact you are listening hard, weighing every "
      "remark for what it reveals. You speak seldom and pick your words as a jeweler picks "
      "pearls.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of a kind that brings "
      "authority. You carry yourself with the ease of someone already promoted twice. Put in "
      "charge of a failing branch, you change its hours and half its habits within a month. "
      "You describe your own two career swerves with relish.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. Your bearing hints at someone who has seen a great deal "
      "and forgiven most of it. You are slow to take offense and quick to make an introduction "
      "that helps somebody's career. Your opinions are few and well aimed. By the time the "
      "check reaches your table, you have usually paid it, on your way back from the restroom.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide to anyone who "
      "has lost their way. At first you seem a bit unworldly, with a far-off look that reads "
      "as shyness. Your team finds your ideas lofty but trusts your kindness at once. A book "
      "of poems often travels in your bag. In a deal you ask why before you ask how much.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. In person "
      "you are calmer than such ambition would suggest, slow to interrupt and hard to rattle. "
      "When a deadline slips, colleagues drift toward your desk, since you alone seem to have "
      "time. You go home at six even in a crisis, and are often the one who solves it over "
      "breakfast.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
