// What the welcome page shows of its document where no browser engine can show the HTML.
#include "ui/main/WelcomeDocument.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace umbrix::ui {
namespace {

struct TextCase {
    const char* what;
    const char* html;
    const char* title;
    std::vector<std::string> paragraphs;
};

TEST(WelcomeDocumentTest, TheTitleAndTheBlocksOfTextAsABrowserShowsThem) {
    const TextCase cases[] = {
        {"a page",
         "<html><head><title>Welcome to Umbrix</title><style>p { color: red }</style></head>"
         "<body><h1>Umbrix</h1><p>Hides   your\n windows.</p><ul><li>Ctrl+Space hides</li>"
         "<li>Ctrl+Backspace <b>restores</b></li></ul><img src=\"logo.png\" alt=\"x\"></body></html>",
         "Welcome to Umbrix",
         {"Umbrix", "Hides your windows.", "\xE2\x80\xA2 Ctrl+Space hides", "\xE2\x80\xA2 Ctrl+Backspace restores"}},
        {"entities, comments, scripts, upper case",
         "<TITLE>A &amp; B</TITLE><!-- <p>not shown</p> -->"
         "<SCRIPT>var a = '<p>';</SCRIPT><P>1 &lt; 2&nbsp;&gt; 0 &copy;</P>",
         "A & B",
         {"1 < 2 > 0 &copy;"}},
        {"no title, text outside any block", "just text<br>more", "", {"just text", "more"}},
        {"a tag cut off", "<p>kept</p><p unfinished", "", {"kept"}},
        {"an unclosed title", "<title>runs on", "runs on", {}},
        {"nothing", "", "", {}},
    };
    for (const auto& c : cases) {
        const WelcomeDocument document = readWelcomeText(c.html);
        EXPECT_TRUE(document.found) << c.what;
        EXPECT_EQ(document.title, c.title) << c.what;
        EXPECT_EQ(document.paragraphs, c.paragraphs) << c.what;
    }
}

}  // namespace
}  // namespace umbrix::ui
