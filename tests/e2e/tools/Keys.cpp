#include "Keys.hpp"

#include <windows.h>

#include <map>
#include <vector>

namespace wintool {

namespace {

std::wstring lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
    return text;
}

bool virtualKey(const std::wstring& name, WORD& key) {
    static const std::map<std::wstring, WORD> named = {
        {L"ctrl", VK_CONTROL}, {L"control", VK_CONTROL}, {L"shift", VK_SHIFT},    {L"alt", VK_MENU},
        {L"win", VK_LWIN},     {L"space", VK_SPACE},     {L"backspace", VK_BACK}, {L"back", VK_BACK},
        {L"enter", VK_RETURN}, {L"return", VK_RETURN},   {L"esc", VK_ESCAPE},     {L"escape", VK_ESCAPE},
        {L"tab", VK_TAB},      {L"delete", VK_DELETE},   {L"del", VK_DELETE},     {L"insert", VK_INSERT},
        {L"home", VK_HOME},    {L"end", VK_END},         {L"left", VK_LEFT},      {L"right", VK_RIGHT},
        {L"up", VK_UP},        {L"down", VK_DOWN},       {L"pageup", VK_PRIOR},   {L"pagedown", VK_NEXT},
    };
    std::wstring k = lower(name);
    if (auto it = named.find(k); it != named.end()) {
        key = it->second;
        return true;
    }
    if (k.size() == 1 && ((k[0] >= L'a' && k[0] <= L'z') || (k[0] >= L'0' && k[0] <= L'9'))) {
        key = static_cast<WORD>(towupper(k[0]));
        return true;
    }
    if (k.size() >= 2 && k[0] == L'f') {
        int n = _wtoi(k.c_str() + 1);
        if (n >= 1 && n <= 24) {
            key = static_cast<WORD>(VK_F1 + n - 1);
            return true;
        }
    }
    return false;
}

INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

bool chordKeys(const std::wstring& chord, std::vector<WORD>& keys, std::wstring& error) {
    keys.clear();
    std::size_t start = 0;
    while (start <= chord.size()) {
        std::size_t plus = chord.find(L'+', start);
        std::wstring name = chord.substr(start, plus == std::wstring::npos ? std::wstring::npos : plus - start);
        WORD key = 0;
        if (!virtualKey(name, key)) {
            error = L"unknown key: " + name;
            return false;
        }
        keys.push_back(key);
        if (plus == std::wstring::npos) break;
        start = plus + 1;
    }
    return true;
}

bool pressChord(const std::wstring& chord, std::wstring& error) {
    std::vector<WORD> keys;
    if (!chordKeys(chord, keys, error)) return false;
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(keyInput(key, false));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(keyInput(*it, true));
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) {
        error = L"SendInput took " + std::to_wstring(sent) + L" of " + std::to_wstring(inputs.size()) + L" inputs";
        return false;
    }
    return true;
}

}  // namespace wintool
