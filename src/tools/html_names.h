// The names the HTML colouring knows: the tag names it shows as known tags
// and the entity texts it shows as entities.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace korva {

// Tag words hash below this; a word hashing to it or above is no tag.
inline constexpr int kTagHashLimit = 244;

// Every known tag name, upper case, opening forms first, then closing forms.
std::span<const std::string_view> KnownTagNames();

// The entity texts in the order they are tried (the first that matches wins).
std::span<const std::string_view> EntityTexts();

// The value a tag-word character contributes to the hash and to the
// comparison: "!" 123, "/" 122, letters 1-26 without regard to case, else 0.
int TagLetterValue(unsigned char c);

// Length of the tag word at the start of `text`: "!", "/" and letters, then digits.
std::size_t TagWordLength(std::string_view text);

// Sum of the letter values of the word plus the values of its digits.
int TagWordHash(std::string_view word);

// True when `word` matches a known tag name of the same hash and length,
// letter value by letter value.
bool IsKnownTagWord(std::string_view word, int hash);

// Length of the entity text that begins `text`, or 0 when none does.
std::size_t EntityLengthAt(std::string_view text);

}  // namespace korva
