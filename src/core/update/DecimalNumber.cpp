#include "update/DecimalNumber.hpp"

#include <charconv>
#include <system_error>

namespace umbrix::update {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

template <class Int>
NumberProblem parse(std::string_view text, Int& value) {
    text = trimBlanks(text);
    // from_chars takes a minus but not a plus; a leading plus is as good a number.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return NumberProblem::NotANumber;
    }
    Int parsed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed, 10);
    if (error == std::errc::result_out_of_range) return NumberProblem::OutOfRange;
    if (error != std::errc() || end != text.data() + text.size()) return NumberProblem::NotANumber;
    value = parsed;
    return NumberProblem::None;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

NumberProblem parseDecimal(std::string_view text, std::int32_t& value) { return parse(text, value); }
NumberProblem parseDecimal(std::string_view text, std::int64_t& value) { return parse(text, value); }

}  // namespace umbrix::update
