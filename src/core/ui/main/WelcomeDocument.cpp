#include "ui/main/WelcomeDocument.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace umbrix::ui {

namespace {

std::string lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

// The few entities a hand-written page uses; any other stays as written.
std::string decodeEntities(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kEntities = {{
        {"&amp;", "&"},
        {"&lt;", "<"},
        {"&gt;", ">"},
        {"&quot;", "\""},
        {"&#39;", "'"},
        {"&apos;", "'"},
        {"&nbsp;", " "},
        {"&rarr;", "\xE2\x86\x92"},
    }};
    std::string result;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, shown] : kEntities) {
                if (text.substr(i, entity.size()) == entity) {
                    result += shown;
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) result += text[i++];
    }
    return result;
}

// White space collapses to single spaces, none at either end, as a browser shows text.
std::string collapseSpace(std::string_view text) {
    std::string result;
    bool space = false;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            space = !result.empty();
        } else {
            if (space) result += ' ';
            space = false;
            result += c;
        }
    }
    return result;
}

// Tags that end a block of text: what follows starts a new paragraph.
bool endsBlock(const std::string& tag) {
    static constexpr std::array<std::string_view, 14> kBlocks = {"p",   "h1", "h2", "h3",    "h4", "li",   "br",
                                                                 "div", "ul", "ol", "table", "tr", "body", "section"};
    return std::find(kBlocks.begin(), kBlocks.end(), tag) != kBlocks.end();
}

}  // namespace

WelcomeDocument readWelcomeText(std::string_view html) {
    WelcomeDocument document;
    document.found = true;
    std::string block;
    bool inListEntry = false;
    const auto endBlock = [&] {
        std::string text = collapseSpace(decodeEntities(block));
        if (!text.empty()) document.paragraphs.push_back(inListEntry ? "\xE2\x80\xA2 " + text : text);
        block.clear();
        inListEntry = false;
    };
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] != '<') {
            block += html[i++];
            continue;
        }
        if (html.substr(i, 4) == "<!--") {
            const auto end = html.find("-->", i + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const auto close = html.find('>', i);
        if (close == std::string_view::npos) break;  // a tag cut off: the rest is not text
        std::string_view inside = html.substr(i + 1, close - i - 1);
        i = close + 1;
        const bool ending = !inside.empty() && inside.front() == '/';
        if (ending) inside.remove_prefix(1);
        const auto nameEnd = inside.find_first_of(" \t\r\n/");
        const std::string tag = lower(inside.substr(0, nameEnd));
        if (!ending && (tag == "title" || tag == "style" || tag == "script" || tag == "head")) {
            if (tag == "head") continue;  // only its title is text
            const auto end = lower(html.substr(i)).find("</" + tag);
            const std::string_view content = html.substr(i, end == std::string::npos ? html.size() - i : end);
            if (tag == "title") document.title = collapseSpace(decodeEntities(content));
            i = end == std::string::npos ? html.size() : i + end;
            continue;
        }
        if (tag == "img" && !ending) continue;
        if (endsBlock(tag)) {
            endBlock();
            inListEntry = tag == "li" && !ending;
        }
    }
    endBlock();
    return document;
}

}  // namespace umbrix::ui
