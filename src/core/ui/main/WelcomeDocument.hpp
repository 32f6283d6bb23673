#pragma once
// The welcome page's document, "images\Index.html" in the executable's folder, and what a page
// without a browser engine shows of it: its title and its text, read out of the HTML.
#include <string>
#include <string_view>
#include <vector>

namespace umbrix::ui {

inline constexpr const char* kWelcomeDocumentName = "images\\Index.html";

struct WelcomeDocument {
    std::string path;  // where it is, whether or not it is there
    bool found = false;
    std::string title;  // the document's <title>; empty when it has none
    // Its headings, paragraphs and list entries in order, as plain text: tags gone, entities
    // and white space as a browser shows them; a list entry starts with a bullet.
    std::vector<std::string> paragraphs;
};

// The title and text of `html`, for a page that cannot show the HTML itself. Never throws on
// what it cannot make sense of: unknown tags are dropped, their text kept.
WelcomeDocument readWelcomeText(std::string_view html);

}  // namespace umbrix::ui
