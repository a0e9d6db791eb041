// The locales beyond the built-in seven: their number, currency and date texts and their month
// and day names come from ICU's data, turned into the pictures and patterns of LocaleInfo.
#include "Locale.h"

#include "Value.h"

#include <unicode/uchar.h>
#include <unicode/udat.h>
#include <unicode/uloc.h>
#include <unicode/unum.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace vbs {

namespace {

// A locale read from ICU, with the texts its LocaleInfo points into.
struct IcuLocale {
    LocaleInfo info{};
    std::u16string tag, currency, shortDate, longDate, longTime, filler, am, pm;
    std::u16string months[12], monthsInDates[12], monthsShort[12], days[7], daysShort[7];
    const char16_t* monthsInDatesText[12] = {};
};

std::mutex g_mutex;
std::map<int32_t, std::unique_ptr<IcuLocale>> g_locales; // by LCID; never freed: engines point into them

bool isSpace(char16_t c) {
    return c == u' ' || c == 0xA0 || c == 0x202F;
}
bool isDirectionMark(char16_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C;
}

// An ICU number pattern part as "$n", "-n $", "($ n)": the symbol, the amount, signs and blanks.
std::u16string currencyShape(std::u16string_view part) {
    std::u16string out;
    for (char16_t c : part) {
        if (c == 0xA4)
            out += u'$';
        else if (c == u'#' || c == u'0' || c == u',' || c == u'.') {
            if (out.empty() || out.back() != u'n') out += u'n';
        } else if (isSpace(c)) {
            if (out.empty() || out.back() != u' ') out += u' ';
        } else if (c == u'-' || c == u'(' || c == u')')
            out += c;
    }
    while (!out.empty() && out.back() == u' ')
        out.pop_back();
    while (!out.empty() && out.front() == u' ')
        out.erase(0, 1);
    return out;
}

template <size_t N>
int patternIndex(const char16_t* const (&table)[N], std::u16string_view shape, int fallback) {
    for (size_t i = 0; i < N; ++i)
        if (shape == table[i]) return int(i);
    return fallback;
}

// An ICU date pattern as a LocaleInfo picture: EEEE is dddd, a is tt, y is yyyy, quoted text
// stays quoted; eras, zones and direction marks are dropped. Short years widen to four digits
// when widenYears (short dates show the century, as the classic locales do).
std::u16string picture(std::u16string_view p, bool widenYears) {
    std::u16string out;
    for (size_t i = 0; i < p.size();) {
        char16_t c = p[i];
        if (c == u'\'') {
            size_t end = p.find(u'\'', i + 1);
            if (end == std::u16string_view::npos) end = p.size();
            std::u16string_view text = p.substr(i + 1, end - i - 1);
            out += u'\'';
            for (char16_t t : text)
                out += isSpace(t) ? u' ' : t;
            out += u'\'';
            i = end + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < p.size() && p[i + run] == c)
            ++run;
        i += run;
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!letter) {
            if (isDirectionMark(c)) continue;
            out.append(run, isSpace(c) ? u' ' : c);
            continue;
        }
        switch (c) {
        case u'E':
        case u'c':
            out += run >= 4 ? u"dddd" : u"ddd";
            break;
        case u'M':
        case u'L':
            out.append(std::min<size_t>(run, 4), u'M');
            break;
        case u'y':
            out += run == 2 && !widenYears ? u"yy" : u"yyyy";
            break;
        case u'd':
        case u'h':
        case u'H':
        case u'm':
        case u's':
            out.append(std::min<size_t>(run, 2), c);
            break;
        case u'a':
        case u'b':
        case u'B':
            out += u"tt";
            break;
        default:
            // Era, zone and the like: nothing here stands for them; the blank before them goes too.
            while (!out.empty() && out.back() == u' ')
                out.pop_back();
            break;
        }
    }
    while (!out.empty() && out.back() == u' ')
        out.pop_back();
    return out;
}

// The quoted words of a picture ("de" in "d 'de' MMMM", "г" in "y 'г'."), which dates may hold
// between their parts, added to words as "a|b".
void addFillers(std::u16string_view picture, std::u16string& words) {
    for (size_t a = picture.find(u'\''); a != std::u16string_view::npos; a = picture.find(u'\'', a + 1)) {
        size_t b = picture.find(u'\'', a + 1);
        if (b == std::u16string_view::npos) return;
        std::u16string word;
        for (char16_t c : picture.substr(a + 1, b - a - 1))
            if (u_isalpha(c)) word += c;
        if (!word.empty() && (u'|' + words + u'|').find(u'|' + word + u'|') == std::u16string::npos)
            words += (words.empty() ? u"" : u"|") + word;
        a = b;
    }
}

template <class F> std::u16string icuText(F&& get) {
    UChar buf[256];
    UErrorCode e = U_ZERO_ERROR;
    int32_t n = get(buf, int32_t(std::size(buf)), &e);
    if (U_FAILURE(e) || n <= 0) return {};
    return std::u16string(buf, size_t(std::min<int32_t>(n, int32_t(std::size(buf)))));
}

// The engine's dates are Gregorian whatever the locale's own calendar.
std::string gregorian(const char* id) {
    return std::string(id) + "@calendar=gregorian";
}

std::u16string datePattern(const char* id, UDateFormatStyle time, UDateFormatStyle date) {
    UErrorCode e = U_ZERO_ERROR;
    UDateFormat* f = udat_open(time, date, gregorian(id).c_str(), u"UTC", -1, nullptr, 0, &e);
    if (U_FAILURE(e)) return {};
    std::u16string p =
        icuText([&](UChar* b, int32_t n, UErrorCode* err) { return udat_toPattern(f, false, b, n, err); });
    udat_close(f);
    return p;
}

// The locale's data from ICU; nullptr when ICU has none for its language.
std::unique_ptr<IcuLocale> readLocale(const char* id, int32_t lcid) {
    UErrorCode e = U_ZERO_ERROR;
    UNumberFormat* nf = unum_open(UNUM_CURRENCY, nullptr, 0, id, nullptr, &e);
    if (U_FAILURE(e)) return nullptr;
    // A language ICU does not know falls back to the root data: not a locale at all.
    const char* actual = unum_getLocaleByType(nf, ULOC_ACTUAL_LOCALE, &e);
    char language[16] = {};
    UErrorCode le = U_ZERO_ERROR;
    uloc_getLanguage(id, language, sizeof language - 1, &le);
    if (U_FAILURE(e) || !actual || std::string_view(actual).substr(0, std::strlen(language)) != language) {
        unum_close(nf);
        return nullptr;
    }
    auto l = std::make_unique<IcuLocale>();
    auto symbol = [&](UNumberFormatSymbol s) {
        return icuText(
            [&](UChar* b, int32_t n, UErrorCode* err) { return unum_getSymbol(nf, s, b, n, err); });
    };
    std::u16string decimal = symbol(UNUM_DECIMAL_SEPARATOR_SYMBOL),
                   group = symbol(UNUM_GROUPING_SEPARATOR_SYMBOL);
    l->currency = symbol(UNUM_CURRENCY_SYMBOL);
    std::erase_if(l->currency, isDirectionMark);
    std::u16string pattern =
        icuText([&](UChar* b, int32_t n, UErrorCode* err) { return unum_toPattern(nf, false, b, n, err); });
    const int32_t currencyDigits = unum_getAttribute(nf, UNUM_FRACTION_DIGITS);
    unum_close(nf);
    size_t semi = pattern.find(u';');
    std::u16string positive = currencyShape(std::u16string_view(pattern).substr(0, semi));
    std::u16string negative = semi == std::u16string::npos
                                  ? u"-" + positive
                                  : currencyShape(std::u16string_view(pattern).substr(semi + 1));
    l->shortDate = picture(datePattern(id, UDAT_NONE, UDAT_SHORT), true);
    std::u16string full = datePattern(id, UDAT_NONE, UDAT_FULL);
    l->longDate = picture(full, false);
    l->longTime = picture(datePattern(id, UDAT_MEDIUM, UDAT_NONE), false);
    addFillers(l->shortDate, l->filler);
    addFillers(l->longDate, l->filler);
    addFillers(l->longTime, l->filler);
    e = U_ZERO_ERROR;
    UDateFormat* df = udat_open(UDAT_NONE, UDAT_SHORT, gregorian(id).c_str(), u"UTC", -1, nullptr, 0, &e);
    if (U_FAILURE(e)) return nullptr;
    auto name = [&](UDateFormatSymbolType type, int32_t i) {
        return icuText(
            [&](UChar* b, int32_t n, UErrorCode* err) { return udat_getSymbols(df, type, i, b, n, err); });
    };
    for (int i = 0; i < 12; ++i) {
        l->months[i] = name(UDAT_STANDALONE_MONTHS, i);
        l->monthsInDates[i] = name(UDAT_MONTHS, i);
        l->monthsShort[i] = name(UDAT_SHORT_MONTHS, i);
    }
    for (int i = 0; i < 7; ++i) { // ICU counts from 1, Sunday
        l->days[i] = name(UDAT_WEEKDAYS, i + 1);
        l->daysShort[i] = name(UDAT_SHORT_WEEKDAYS, i + 1);
    }
    // The locale's own words for the halves of the day, where dates can be read back with them:
    // one word of letters each ("p. m." is not).
    l->am = name(UDAT_AM_PMS, 0);
    l->pm = name(UDAT_AM_PMS, 1);
    auto word = [](const std::u16string& w) {
        return !w.empty() && std::all_of(w.begin(), w.end(), [](char16_t c) { return u_isalpha(c) != 0; });
    };
    if (!word(l->am) || !word(l->pm) || lowerName(l->am) == lowerName(l->pm)) l->am.clear(), l->pm.clear();
    udat_close(df);
    if (decimal.empty() || l->shortDate.empty() || l->months[0].empty() || l->days[0].empty()) return nullptr;

    char tag[64] = {};
    e = U_ZERO_ERROR;
    uloc_toLanguageTag(id, tag, sizeof tag - 1, false, &e);
    for (const char* p = tag; *p; ++p)
        l->tag += char16_t(*p >= 'A' && *p <= 'Z' ? *p - 'A' + 'a' : *p);

    LocaleInfo& info = l->info;
    info.lcid = lcid;
    info.tag = l->tag.c_str();
    info.decimal = decimal[0];
    info.group = group.empty() ? u' ' : group[0];
    info.currency = l->currency.c_str();
    info.currencyPositive = uint8_t(patternIndex(kPositiveCurrency, positive, 0));
    info.currencyNegative = uint8_t(patternIndex(kNegativeCurrency, negative, 1));
    info.currencyDigits = uint8_t(std::clamp(currencyDigits, 0, 4));
    // Year first (y/MM/dd) reads like month first once the year is recognised.
    const size_t d = l->shortDate.find(u'd'), m = l->shortDate.find(u'M');
    info.order = d != std::u16string::npos && m != std::u16string::npos && d < m ? DateOrder::DayMonthYear
                                                                                 : DateOrder::MonthDayYear;
    info.shortDate = l->shortDate.c_str();
    info.longDate = l->longDate.c_str();
    info.longTime = l->longTime.c_str();
    bool ownDateMonths = false;
    for (int i = 0; i < 12; ++i) {
        ownDateMonths = ownDateMonths || l->monthsInDates[i] != l->months[i];
        l->monthsInDatesText[i] = l->monthsInDates[i].c_str();
        info.months[i] = l->months[i].c_str();
        info.monthsShort[i] = l->monthsShort[i].c_str();
    }
    for (int i = 0; i < 7; ++i) {
        info.days[i] = l->days[i].c_str();
        info.daysShort[i] = l->daysShort[i].c_str();
    }
    info.filler = l->filler.empty() ? nullptr : l->filler.c_str();
    info.monthsInDates = ownDateMonths ? l->monthsInDatesText : nullptr;
    info.am = l->am.empty() ? nullptr : l->am.c_str();
    info.pm = l->pm.empty() ? nullptr : l->pm.c_str();
    return l;
}

const LocaleInfo* cached(const char* id, int32_t lcid) {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_locales.find(lcid);
    if (it == g_locales.end()) {
        std::unique_ptr<IcuLocale> l = readLocale(id, lcid);
        if (!l) return nullptr;
        it = g_locales.emplace(lcid, std::move(l)).first;
    }
    return &it->second->info;
}

// The LCID of an ICU locale id; a bare language takes its most likely country first.
int32_t lcidOf(std::string& id) {
    char country[8] = {};
    UErrorCode e = U_ZERO_ERROR;
    uloc_getCountry(id.c_str(), country, sizeof country - 1, &e);
    if (!country[0]) {
        char full[128] = {};
        e = U_ZERO_ERROR;
        uloc_addLikelySubtags(id.c_str(), full, sizeof full - 1, &e);
        if (U_FAILURE(e)) return 0;
        char language[16] = {}, script[16] = {};
        uloc_getLanguage(full, language, sizeof language - 1, &e);
        uloc_getScript(full, script, sizeof script - 1, &e);
        uloc_getCountry(full, country, sizeof country - 1, &e);
        if (U_FAILURE(e)) return 0;
        // The script stays only where the language is written in several (sr-Latn-RS).
        std::string plain = std::string(language) + "_" + country;
        std::string scripted = std::string(language) + "_" + script + "_" + country;
        uint32_t lcid = uloc_getLCID(plain.c_str());
        id = plain;
        if (!lcid || lcid < 0x400) {
            lcid = uloc_getLCID(scripted.c_str());
            id = scripted;
        }
        return lcid < 0x400 ? 0 : int32_t(lcid);
    }
    uint32_t lcid = uloc_getLCID(id.c_str());
    return lcid < 0x400 ? 0 : int32_t(lcid);
}

} // namespace

// Where the locale puts its symbol ($) and the amount (n).
const char16_t* const kPositiveCurrency[4] = {u"$n", u"n$", u"$ n", u"n $"};
const char16_t* const kNegativeCurrency[16] = {u"($n)", u"-$n",  u"$-n",   u"$n-",  u"(n$)", u"-n$",
                                               u"n-$",  u"n$-",  u"-n $",  u"-$ n", u"n $-", u"$ n-",
                                               u"$ -n", u"n- $", u"($ n)", u"(n $)"};

const LocaleInfo* icuLocale(int32_t lcid) {
    if (lcid <= 0) return nullptr;
    char id[128] = {};
    UErrorCode e = U_ZERO_ERROR;
    int32_t n = uloc_getLocaleForLCID(uint32_t(lcid), id, sizeof id - 1, &e);
    if (U_FAILURE(e) || n <= 0 || std::string_view(id) == "root") return nullptr;
    std::string name = id;
    // ICU answers an unknown country of a known language with the language: not Windows' way.
    if (int32_t(uloc_getLCID(id)) != lcid) return nullptr;
    // A language's own LCID (7 is German) names its most likely country's locale.
    int32_t specific = lcid < 0x400 ? lcidOf(name) : lcid;
    if (!specific) return nullptr;
    if (const LocaleInfo* builtIn = builtInLocale(specific)) return builtIn;
    return cached(name.c_str(), specific);
}

const LocaleInfo* icuLocale(std::u16string_view tag) {
    std::string ascii;
    for (char16_t c : tag) {
        if (c >= 0x80 || c == 0) return nullptr;
        ascii += c == u'_' ? '-' : char(c);
    }
    char id[128] = {};
    int32_t parsed = 0;
    UErrorCode e = U_ZERO_ERROR;
    uloc_forLanguageTag(ascii.c_str(), id, sizeof id - 1, &parsed, &e);
    if (U_FAILURE(e) || parsed != int32_t(ascii.size()) || !id[0]) return nullptr;
    std::string name = id;
    int32_t lcid = lcidOf(name);
    if (!lcid) return nullptr;
    if (const LocaleInfo* builtIn = builtInLocale(lcid)) return builtIn;
    return cached(name.c_str(), lcid);
}

} // namespace vbs
