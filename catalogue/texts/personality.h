// Interpretation texts for the Personality Number readings: the outer self shown to others.
#pragma once

#include <string_view>

namespace vorn::text {

inline constexpr std::string_view PersonalityIntro
    = "As the name suggests this number is associated with your outer self. Every letter has a "
      "value, and this number is the sum of your full name's consonants, Y included, reduced to "
      "one digit unless 11 or 22.";
static_assert(PersonalityIntro.size() == 203);

inline constexpr std::string_view Personality1
    = "Great feeling of importance is what you love. It shows at once, in a signature that sprawls "
      "across a guest book's page. You like the seat beside the host and a proper introduction. To "
      "the well-rested, your vigor is contagious; to the tired, it is overwhelming. A title goes "
      "on your business card the moment it is yours, even secretary of a stamp club.";
static_assert(Personality1.size() == 351);

inline constexpr std::string_view Personality2
    = "You dream about having close relationships with your friends and family. Because you listen "
      "with your whole face, people tell you more than they meant to and feel lighter for it. You "
      "know the family's shoe sizes and which colleague is allergic to shellfish. Six weeks after "
      "a friend mentions a worry in passing, you ask how it turned out.";
static_assert(Personality2.size() == 338);

inline constexpr std::string_view Personality3
    = "All forms of art are you dream roles. Your posture is a dancer's, chin level and back "
      "straight. You straighten crooked frames on walls not your own. Any statue you pass gets a "
      "full circuit. Describing a place, you sketch its shape in the air with one finger. "
      "Neighbors trust you to pick the paint colors for their kitchens. You write your thank-you "
      "notes in rhymed couplets, on heavy cream paper.";
static_assert(Personality3.size() == 396);

inline constexpr std::string_view Personality4
    = "You visualize of being someone rock-solid whom everyone can depend on. A month into a new "
      "job, you are trusted with the spare keys. Browns and grays make up your wardrobe, and your "
      "watch is plain silver. You rush neither a sentence nor a decision. You reply to every email "
      "before the day is over.";
static_assert(Personality4.size() == 296);

inline constexpr std::string_view Personality5
    = "You would love to be totally free and unreserved by responsibility. Waiting in line at the "
      "post office, you chat with the stranger behind you. Your clothes are casual except for one "
      "loud piece, such as a vintage bowling shirt. You meet earnest questions about your future "
      "with a joke. You show bored children at a picnic a coin trick or two.";
static_assert(Personality5.size() == 341);

inline constexpr std::string_view Personality6
    = "You love your family and relations. Ask after any of them, and you bring out your "
      "photographs. A crying baby handed to you settles on your knee. You keep a family-history "
      "quiz of your own making ready for a lull in conversation. A dispute over which cousin is "
      "oldest ends when you rank them all by age from memory.";
static_assert(Personality6.size() == 314);

inline constexpr std::string_view Personality7
    = "You love to grab all opportunities you get to read and shut yourself away with your "
      "thoughts. Finding you by the bookshelf amid the chatter, a host could take your reserve for "
      "coolness. In fact you are three chapters into a novel from that shelf, quite content. On "
      "your way out, you borrow that novel, with a ticket stub to mark your page.";
static_assert(Personality7.size() == 339);

inline constexpr std::string_view Personality8
    = "Your vision is success in the business or political world, of a kind that brings authority. "
      "You carry yourself with the ease of someone already promoted twice. A sweeping change, when "
      "you announce it, sounds like the news everyone had hoped for. You end any meeting you lead "
      "the moment a decision is made.";
static_assert(Personality8.size() == 305);

inline constexpr std::string_view Personality9
    = "You are kind and compassionate. New acquaintances quickly suspect you have seen a great "
      "deal of life and forgiven most of it. You laugh easily, most often at yourself. A furious "
      "caller gets a patient hearing from you, and your voice never rises to meet theirs. Asked "
      "for advice, you usually offer a single well-chosen question instead of a sermon.";
static_assert(Personality9.size() == 347);

inline constexpr std::string_view Personality11
    = "You have the dream of casting the light of illumination; being a guide to anyone who has "
      "lost the way. Tourists ask you for directions on a busy street, and you walk them there. "
      "Over one coffee, you can give a classmate between jobs a plan and three contacts to call. "
      "For any explanation that misses, you keep a plainer example in reserve.";
static_assert(Personality11.size() == 339);

inline constexpr std::string_view Personality22
    = "You have big dreams of being the pioneer behind something truly monumental. Restaurant "
      "napkins bear your sketches for mapping the ocean floor, drawn as casually as others plan a "
      "weekend. When a deadline slips, colleagues drift toward your desk, the calmest corner of "
      "the office. You send them off to sleep on it, sure the fix will surface over breakfast.";
static_assert(Personality22.size() == 354);

} // namespace vorn::text
