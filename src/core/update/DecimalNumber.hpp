#pragma once
// Reads a whole text as one decimal integer, as version texts and the version file write
// them: blanks around the number are ignored, an optional sign, then digits only.
#include <cstdint>
#include <string_view>

namespace umbrix::update {

enum class NumberProblem { None, NotANumber, OutOfRange };

// Removes the blanks (control characters and spaces) around `text`.
std::string_view trimBlanks(std::string_view text);

// On NumberProblem::None `value` holds the number; otherwise it is untouched.
NumberProblem parseDecimal(std::string_view text, std::int32_t& value);
NumberProblem parseDecimal(std::string_view text, std::int64_t& value);

}  // namespace umbrix::update
