#pragma once
// Raised when a downloaded version file cannot be read as one: the message names the line
// and what is wrong with it.
#include <stdexcept>
#include <string>

namespace umbrix::update {

class VersionFileError : public std::runtime_error {
public:
    enum class Problem {
        Unreadable,  // the downloaded file could not be opened (line 0)
        MissingLine,  // the file ends before line 5
        TooFewFields,  // line 1 needs four fields, line 2 three
        NotANumber,  // a field that must be a decimal number is not one
        OutOfRange,  // a number too large for its field
        NoSuchDate,  // line 2 names a day the calendar does not have
    };

    VersionFileError(Problem problem, int line, const std::string& detail);

    Problem problem() const { return problem_; }
    int line() const { return line_; }

private:
    Problem problem_;
    int line_;
};

}  // namespace umbrix::update
