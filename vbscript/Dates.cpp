// Serial dates (days since 30 Dec 1899, time as the fraction) to and from
// calendar dates, and the classic date texts in the active locale.
#include "Dates.h"

#include "Convert.h"
#include "Locale.h"

#include <unicode/uchar.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

namespace vbs {

namespace {

bool isBlank(char16_t c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0;
}

int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + int64_t(doe) - 719468;
}

const int64_t kEpoch = daysFromCivil(1899, 12, 30);

// Letters of the date words: ASCII and the accented Latin ones (März, août).
// Month and day names are words of any script (Cyrillic, Greek ...) a locale writes them in.
bool isLetter(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= 0xC0 && c < 0x250 && c != 0xD7 && c != 0xF7) || (c >= 0x250 && u_isalpha(c));
}

// A word naming one of names: the whole name, at least its first three letters,
// or one of the abbreviations (whose closing point the word may leave off).
int nameIndex(std::u16string_view w, const char16_t* const* names, const char16_t* const* shortNames,
              int count) {
    auto l = foldText(w);
    for (int i = 0; i < count; ++i) {
        auto n = foldText(names[i]);
        if (l.size() >= 3 && l.size() <= n.size() && n.compare(0, l.size(), l) == 0) return i + 1;
        auto a = foldText(shortNames[i]);
        if (!a.empty() && a.back() == u'.') a.pop_back();
        if (l == a) return i + 1;
    }
    return 0;
}

// A word that stands quoted in a picture ("min" in "HH 'h' mm 'min' ss 's'").
bool quotedIn(std::u16string_view picture, std::u16string_view w) {
    for (size_t a = picture.find(u'\''); a != std::u16string_view::npos; a = picture.find(u'\'', a + 1)) {
        size_t b = picture.find(u'\'', a + 1);
        if (b == std::u16string_view::npos) return false;
        std::u16string_view quoted = picture.substr(a + 1, b - a - 1);
        while (!quoted.empty() && quoted.front() == u' ')
            quoted.remove_prefix(1);
        while (!quoted.empty() && quoted.back() == u' ')
            quoted.remove_suffix(1);
        if (equalsNoCase(quoted, w)) return true;
        a = b;
    }
    return false;
}

// One of the words the locale's dates hold between their parts ("de", "г").
bool isFiller(std::u16string_view w, const LocaleInfo& loc) {
    if (!loc.filler) return false;
    for (std::u16string_view rest = loc.filler; !rest.empty();) {
        size_t bar = rest.find(u'|');
        if (equalsNoCase(w, rest.substr(0, bar))) return true;
        rest = bar == std::u16string_view::npos ? std::u16string_view() : rest.substr(bar + 1);
    }
    return false;
}

// A month named in the locale's language or in English.
int monthIndex(std::u16string_view w, const LocaleInfo& loc) {
    if (int m = nameIndex(w, loc.months, loc.monthsShort, 12)) return m;
    if (loc.monthsInDates)
        if (int m = nameIndex(w, loc.monthsInDates, loc.monthsShort, 12)) return m;
    const LocaleInfo& en = englishUS();
    return &loc == &en ? 0 : nameIndex(w, en.months, en.monthsShort, 12);
}

bool isWeekdayName(std::u16string_view w, const LocaleInfo& loc) {
    const LocaleInfo& en = englishUS();
    return nameIndex(w, loc.days, loc.daysShort, 7) || nameIndex(w, en.days, en.daysShort, 7);
}

int64_t currentYear() {
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_year + 1900;
}

} // namespace

// ---- serial <-> calendar ----

int64_t dayNumber(int64_t year, int month, int day) {
    return daysFromCivil(year, unsigned(month), unsigned(day)) - kEpoch;
}

Civil civilFromDay(int64_t day) {
    const int64_t z = day + kEpoch + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned dd = doy - (153 * mp + 2) / 5 + 1;
    const unsigned mm = mp < 10 ? mp + 3 : mp - 9;
    return {int64_t(yoe) + era * 400 + (mm <= 2), int(mm), int(dd)};
}

int daysInMonth(int64_t year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) return (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 29 : 28;
    return kDays[month - 1];
}

int weekdayOfDay(int64_t day) {
    return int((day % 7 + 7 + 6) % 7) + 1;
} // serial 0 was a Saturday

int64_t windowYear(int64_t year) {
    if (year >= 0 && year < 30) return year + 2000;
    if (year >= 30 && year < 100) return year + 1900;
    return year;
}

DayTime splitDate(double serial) {
    // Callers keep serials in range; anything else is clamped so the
    // integer arithmetic below stays defined.
    if (!std::isfinite(serial)) serial = 0;
    if (serial > 1e9) serial = 1e9;
    if (serial < -1e9) serial = -1e9;
    double whole = std::trunc(serial);
    DayTime t;
    t.day = int64_t(whole);
    t.secs = std::llround(std::fabs(serial - whole) * 86400.0);
    if (t.secs >= 86400) {
        // A negative serial's time still runs forward, so rounding up always
        // moves to the next calendar day.
        t.secs -= 86400;
        t.day += 1;
    }
    return t;
}

double joinDate(int64_t day, int64_t secs) {
    double frac = double(secs) / 86400.0;
    return day >= 0 ? double(day) + frac : double(day) - frac;
}

double serialFromSeconds(int64_t totalSeconds) {
    int64_t day = floorDiv(totalSeconds, 86400);
    return joinDate(day, totalSeconds - day * 86400);
}

bool serialInRange(double serial) {
    return serial > kMinDateSerial - 1.0 && serial < kEndDateSerial;
}

double dateSerial(int year, int month, int day) {
    // Month and day overflow roll into the next unit, as DateSerial does.
    int64_t m0 = int64_t(month) - 1;
    int64_t y = year + floorDiv(m0, 12);
    int64_t m = m0 - floorDiv(m0, 12) * 12;
    return double(dayNumber(y, int(m + 1), 1) + (int64_t(day) - 1));
}

double timeSerial(int hour, int minute, int second) {
    return serialFromSeconds(int64_t(hour) * 3600 + int64_t(minute) * 60 + second);
}

DateParts dateParts(double d) {
    DayTime t = splitDate(d);
    Civil c = civilFromDay(t.day);
    DateParts p;
    p.year = int(c.year);
    p.month = c.month;
    p.day = c.day;
    p.hour = int(t.secs / 3600);
    p.minute = int(t.secs / 60 % 60);
    p.second = int(t.secs % 60);
    p.weekday = weekdayOfDay(t.day);
    return p;
}

// ---- names and texts ----

std::u16string monthNameText(int month, bool abbreviate) {
    const LocaleInfo& loc = activeLocale();
    const int i = (month - 1) % 12;
    return abbreviate ? std::u16string(loc.monthsShort[i]) : std::u16string(loc.months[i]);
}

std::u16string weekdayNameText(int weekday, bool abbreviate) {
    const LocaleInfo& loc = activeLocale();
    const int i = (weekday - 1) % 7;
    return abbreviate ? std::u16string(loc.daysShort[i]) : std::u16string(loc.days[i]);
}

namespace {

void appendNumber(std::u16string& out, int64_t v, bool twoDigits) {
    if (twoDigits && v < 10) out += u'0';
    std::string s = std::to_string(v);
    out.append(s.begin(), s.end());
}

// Writes a date picture (Locale.h) for a day and time.
std::u16string pictureText(const DayTime& t, std::u16string_view pic, const LocaleInfo& loc) {
    Civil c = civilFromDay(t.day);
    int h = int(t.secs / 3600);
    std::u16string out;
    for (size_t i = 0; i < pic.size();) {
        char16_t ch = pic[i];
        if (ch == u'\'') {
            size_t e = pic.find(u'\'', i + 1);
            if (e == std::u16string_view::npos) e = pic.size();
            out.append(pic.substr(i + 1, e - i - 1));
            i = e + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < pic.size() && pic[i + run] == ch)
            ++run;
        switch (ch) {
        case u'd':
            if (run <= 2)
                appendNumber(out, c.day, run == 2);
            else
                out += (run == 3 ? loc.daysShort : loc.days)[weekdayOfDay(t.day) - 1];
            break;
        case u'M':
            if (run <= 2)
                appendNumber(out, c.month, run == 2);
            else
                out += (run == 3            ? loc.monthsShort
                        : loc.monthsInDates ? loc.monthsInDates
                                            : loc.months)[c.month - 1];
            break;
        case u'y':
            if (run <= 2)
                appendNumber(out, c.year % 100, true);
            else
                appendNumber(out, c.year, false);
            break;
        case u'h':
            appendNumber(out, h % 12 == 0 ? 12 : h % 12, run >= 2);
            break;
        case u'H':
            appendNumber(out, h, run >= 2);
            break;
        case u'm':
            appendNumber(out, t.secs / 60 % 60, run >= 2);
            break;
        case u's':
            appendNumber(out, t.secs % 60, run >= 2);
            break;
        case u't': {
            std::u16string_view half = h < 12 ? (loc.am ? loc.am : u"AM") : (loc.pm ? loc.pm : u"PM");
            out += run >= 2 ? half : half.substr(0, 1);
            break;
        }
        default:
            out.append(run, ch);
            break;
        }
        i += run;
    }
    return out;
}

} // namespace

std::u16string formatDate(double d) {
    // Midnight shows the date alone, day zero the time alone.
    const LocaleInfo& loc = activeLocale();
    DayTime t = splitDate(d);
    bool showDate = t.day != 0;
    bool showTime = t.secs != 0 || !showDate;
    std::u16string out;
    if (showDate) out = pictureText(t, loc.shortDate, loc);
    if (showTime) {
        if (!out.empty()) out += u' ';
        out += pictureText(t, loc.longTime, loc);
    }
    return out;
}

std::u16string formatDateForm(double serial, DateForm form) {
    const LocaleInfo& loc = activeLocale();
    DayTime t = splitDate(serial);
    switch (form) {
    case DateForm::LongDate:
        return pictureText(t, loc.longDate, loc);
    case DateForm::ShortDate:
        return pictureText(t, loc.shortDate, loc);
    case DateForm::LongTime:
        return pictureText(t, loc.longTime, loc);
    case DateForm::ShortTime:
        return pictureText(t, u"HH:mm", loc);
    case DateForm::General:
        break;
    }
    return formatDate(serial);
}

// ---- parsing ----

namespace {

struct DateTok {
    enum Kind { Num, Word, Sep } kind = Num;
    int64_t num = 0;
    int digits = 0;
    std::u16string_view word;
    char16_t sep = 0;
};

bool tokenize(std::u16string_view s, std::vector<DateTok>& toks) {
    size_t i = 0;
    while (i < s.size()) {
        char16_t c = s[i];
        if (isBlank(c) || c == ',') {
            ++i;
        } else if (c >= '0' && c <= '9') {
            DateTok t;
            t.kind = DateTok::Num;
            while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
                if (t.digits < 9) t.num = t.num * 10 + (s[i] - '0');
                ++t.digits;
                ++i;
            }
            toks.push_back(t);
        } else if (isLetter(c)) {
            size_t b = i;
            while (i < s.size() && isLetter(s[i]))
                ++i;
            DateTok t;
            t.kind = DateTok::Word;
            t.word = s.substr(b, i - b);
            toks.push_back(t);
        } else if (c == '/' || c == '-' || c == '.' || c == ':') {
            DateTok t;
            t.kind = DateTok::Sep;
            t.sep = c;
            toks.push_back(t);
            ++i;
        } else {
            return false;
        }
        if (toks.size() > 32) return false;
    }
    return !toks.empty();
}

struct DateNum {
    int64_t value;
    int digits;
};

// The calendar day of up to three numbers and a month name, or false. Day
// and month come in the locale's order; with slashes or dashes a pair that
// only fits the other way round is read that way, with points only when
// lenient (date literals: one the other way round stays valid code).
bool resolveDay(const DateNum* n, int count, int month, char16_t firstSep, DateOrder order, bool lenient,
                int64_t& day) {
    const bool dayFirst = order == DateOrder::DayMonthYear;
    const bool mayTurn = lenient || firstSep != '.';
    auto isYear = [](const DateNum& x) { return x.digits >= 3 || x.value > 31; };
    int64_t m = 0, d = 1;
    const DateNum* year = nullptr; // nullptr: this year
    if (month) {
        m = month;
        if (count == 1) {
            if (isYear(n[0]))
                year = &n[0];
            else
                d = n[0].value;
        } else if (count == 2) {
            bool yearFirst = isYear(n[0]) && !isYear(n[1]);
            year = yearFirst ? &n[0] : &n[1];
            d = yearFirst ? n[1].value : n[0].value;
        } else {
            return false;
        }
    } else if (count == 3) {
        if (isYear(n[0])) {
            year = &n[0];
            m = n[1].value;
            d = n[2].value;
        } else {
            m = n[dayFirst ? 1 : 0].value;
            d = n[dayFirst ? 0 : 1].value;
            year = &n[2];
            if (mayTurn && m > 12 && d <= 12) std::swap(m, d);
        }
    } else if (count == 2 && (firstSep == '/' || firstSep == '-')) {
        // Month and day of this year, or month and year.
        if (isYear(n[0])) {
            year = &n[0];
            m = n[1].value;
        } else if (isYear(n[1])) {
            m = n[0].value;
            year = &n[1];
        } else {
            m = n[dayFirst ? 1 : 0].value;
            d = n[dayFirst ? 0 : 1].value;
            if (m > 12 && d <= 12) std::swap(m, d);
        }
    } else {
        return false;
    }
    int64_t y = !year ? currentYear() : year->digits <= 2 ? windowYear(year->value) : year->value;
    if (m < 1 || m > 12 || y < 100 || y > 9999) return false;
    if (d < 1 || d > daysInMonth(y, int(m))) return false;
    day = dayNumber(y, int(m), int(d));
    return true;
}

bool parseDateIn(std::u16string_view s, double& out, const LocaleInfo& loc, bool lenient) {
    std::vector<DateTok> toks;
    if (!tokenize(s, toks)) return false;
    DateNum nums[3];
    int count = 0, month = 0;
    char16_t firstSep = 0;
    int64_t time[3] = {0, 0, 0};
    int timeCount = 0, ampm = 0;
    bool sawName = false;
    const std::u16string_view longTime = loc.longTime;
    const size_t hour = longTime.find_first_of(u"hH");
    const size_t afterHour =
        hour == std::u16string_view::npos ? hour : longTime.find_first_not_of(u"hH", hour);
    const bool dottedTime = afterHour != std::u16string_view::npos && longTime[afterHour] == u'.';
    for (size_t k = 0; k < toks.size(); ++k) {
        const DateTok& t = toks[k];
        bool prevDatePart = k > 0 && (toks[k - 1].kind == DateTok::Num || toks[k - 1].kind == DateTok::Word);
        if (t.kind == DateTok::Num) {
            // hh:mm[:ss]; after a whole date also hh.mm[.ss] or "14 h 07 min 09 s" where the locale
            // writes times so.
            const char16_t sep =
                k + 1 < toks.size() && toks[k + 1].kind == DateTok::Sep ? toks[k + 1].sep : 0;
            auto timeWord = [&](size_t i) {
                return i < toks.size() && toks[i].kind == DateTok::Word && quotedIn(longTime, toks[i].word);
            };
            const bool words = count == 3 && timeWord(k + 1);
            if (sep == ':' || (sep == u'.' && count == 3 && dottedTime) || words) {
                auto between = [&](size_t i) {
                    return words ? timeWord(i) : toks[i].kind == DateTok::Sep && toks[i].sep == sep;
                };
                if (timeCount) return false;
                time[timeCount++] = t.num;
                while (k + 2 < toks.size() && between(k + 1) && toks[k + 2].kind == DateTok::Num) {
                    if (timeCount == 3) return false;
                    time[timeCount++] = toks[k + 2].num;
                    k += 2;
                }
                if (words && timeWord(k + 1)) ++k; // the word after the seconds
                if (timeCount < 2) return false;
                if (k + 1 < toks.size() && toks[k + 1].kind == DateTok::Sep) return false;
                continue;
            }
            if (count == 3) return false;
            if (t.digits > 4) return false;
            nums[count++] = {t.num, t.digits};
        } else if (t.kind == DateTok::Word) {
            const bool am = equalsNoCase(t.word, u"am") || equalsNoCase(t.word, u"a") ||
                            (loc.am && equalsNoCase(t.word, loc.am));
            if (am || equalsNoCase(t.word, u"pm") || equalsNoCase(t.word, u"p") ||
                (loc.pm && equalsNoCase(t.word, loc.pm))) {
                if (ampm) return false;
                ampm = am ? 1 : 2;
                const bool timeFollows = k + 2 < toks.size() && toks[k + 1].kind == DateTok::Num &&
                                         toks[k + 2].kind == DateTok::Sep && toks[k + 2].sep == ':';
                // "PM 2:07:09", as locales that name the half of the day first write it.
                if (!timeCount && !timeFollows) {
                    // "10 PM": the number just before is the hour.
                    if (k == 0 || toks[k - 1].kind != DateTok::Num || !count) return false;
                    time[timeCount++] = nums[--count].value;
                }
            } else if (int m = monthIndex(t.word, loc)) {
                if (month) return false;
                month = m;
                sawName = true;
            } else if (isWeekdayName(t.word, loc)) {
                // A weekday name ("Thursday, January 02, 2003") adds nothing.
            } else if (isFiller(t.word, loc)) {
                // "15 de marzo de 2026"
            } else {
                return false;
            }
        } else if (t.sep == u'.' && k > 0 && toks[k - 1].kind == DateTok::Word &&
                   isFiller(toks[k - 1].word, loc)) {
            // The point of an abbreviated word ("2024 г.").
        } else {
            // A date separator sits between two parts of the date.
            if (t.sep == ':' || !prevDatePart || k + 1 >= toks.size() || toks[k + 1].kind == DateTok::Sep)
                return false;
            if (toks[k - 1].kind == DateTok::Word) {
                if (!monthIndex(toks[k - 1].word, loc)) return false;
                if (t.sep == '.') continue; // the point of an abbreviation ("Jan. 2", "janv.")
            }
            if (!firstSep) firstSep = t.sep;
            if (t.sep == '.' && !sawName && count == 1 && toks[k + 1].kind == DateTok::Num &&
                !(k + 3 < toks.size() && toks[k + 2].kind == DateTok::Sep))
                return false; // "1.5" is a number, not a date
        }
    }
    int64_t day = 0;
    if (count || month) {
        if (!resolveDay(nums, count, month, firstSep, loc.order, lenient, day)) return false;
    } else if (!timeCount) {
        return false;
    }
    int64_t secs = 0;
    if (timeCount) {
        int64_t h = time[0], mi = time[1], se = time[2];
        if (ampm) {
            if (h > 12) return false;
            h = h % 12 + (ampm == 2 ? 12 : 0);
        }
        if (h > 23 || mi > 59 || se > 59) return false;
        secs = h * 3600 + mi * 60 + se;
    }
    out = joinDate(day, secs);
    return true;
}

} // namespace

bool parseDate(std::u16string_view s, double& out) {
    return parseDateIn(s, out, englishUS(), true);
}

bool parseDate(std::u16string_view s, double& out, const LocaleInfo& locale) {
    return parseDateIn(s, out, locale, false);
}

} // namespace vbs
