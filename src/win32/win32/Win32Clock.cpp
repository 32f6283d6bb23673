#include "win32/Win32Clock.hpp"

#include <windows.h>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

namespace {

SYSTEMTIME toSystemTime(const platform::LocalTime& time) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(time.year);
    st.wMonth = static_cast<WORD>(time.month);
    st.wDay = static_cast<WORD>(time.day);
    st.wHour = static_cast<WORD>(time.hour);
    st.wMinute = static_cast<WORD>(time.minute);
    st.wSecond = static_cast<WORD>(time.second);
    st.wMilliseconds = static_cast<WORD>(time.milliseconds);
    return st;
}

}  // namespace

platform::LocalTime Win32Clock::localTime() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::string Win32Clock::shortDateText(const platform::LocalTime& time) {
    SYSTEMTIME st = toSystemTime(time);
    wchar_t text[128];
    int length = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, 128);
    return length > 0 ? narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1))) : std::string();
}

std::string Win32Clock::longTimeText(const platform::LocalTime& time) {
    SYSTEMTIME st = toSystemTime(time);
    wchar_t text[128];
    int length = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, 128);
    return length > 0 ? narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1))) : std::string();
}

}  // namespace umbrix::win32
