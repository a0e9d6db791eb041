#pragma once
// The regional settings behind number, currency and date texts. An engine
// starts in English (United States) whatever the machine's locale, so a game
// behaves the same everywhere; SetLocale switches one Runtime to another of
// the locales here. Each engine keeps its own choice and makes it the active
// locale of its thread while it runs, which the conversions read.
#include <cstdint>
#include <string_view>

namespace vbs {

enum class DateOrder : uint8_t { MonthDayYear, DayMonthYear };

struct LocaleInfo {
    int32_t lcid;
    const char16_t* tag; // lower case, "en-us"
    char16_t decimal;    // decimal separator
    char16_t group;      // thousands separator
    const char16_t* currency;
    uint8_t currencyPositive; // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    uint8_t currencyNegative; // the sixteen classic negative amount patterns, 0 = "($1)"
    uint8_t currencyDigits;   // decimals of an amount (the yen has none)
    DateOrder order;          // of day and month in a numeric date
    // Date and time pictures: d dd ddd dddd, M MM MMM MMMM, yy yyyy, h hh H HH,
    // m mm, s ss, tt (AM / PM), 'quoted text'.
    const char16_t* shortDate;
    const char16_t* longDate;
    const char16_t* longTime;
    const char16_t* months[12];
    const char16_t* monthsShort[12];
    const char16_t* days[7]; // Sunday first
    const char16_t* daysShort[7];
    const char16_t* filler; // words dates may hold between their parts ("de", "a|b"), or nullptr
    // The month names inside a date where the language changes them there (Russian "5 марта"
    // against "март" alone), else nullptr.
    const char16_t* const* monthsInDates;
    // The words for the two halves of the day, or nullptr for AM and PM.
    const char16_t* am;
    const char16_t* pm;
};

// Where a locale puts its currency symbol ($) and the amount (n): LocaleInfo::currencyPositive
// and currencyNegative index these.
extern const char16_t* const kPositiveCurrency[4];
extern const char16_t* const kNegativeCurrency[16];

const LocaleInfo& englishUS();
// A locale by LCID or by tag ("de-de", or the language alone: "de"); nullptr when unknown. The
// seven built in come first; every other locale is read from ICU's data (IcuLocales.cpp).
const LocaleInfo* findLocale(int32_t lcid);
const LocaleInfo* findLocale(std::u16string_view tag);
const LocaleInfo* builtInLocale(int32_t lcid);
const LocaleInfo* icuLocale(int32_t lcid);
const LocaleInfo* icuLocale(std::u16string_view tag);

// The locale of the engine running on this thread, English (United States)
// when none runs or the engine keeps the default.
const LocaleInfo& activeLocale();
// The same, nullptr for the default: the conversions' quick test for their usual path.
const LocaleInfo* activeLocaleOverride();

// Makes an engine's locale (nullptr: the default) the active one until the
// scope ends. The engine may change its locale meanwhile: the slot is read
// each time.
class LocaleScope {
  public:
    explicit LocaleScope(const LocaleInfo* const* slot);
    ~LocaleScope();
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

  private:
    const LocaleInfo* const* m_saved;
};

} // namespace vbs
