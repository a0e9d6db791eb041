// Serial dates (days since 30 Dec 1899, time as the fraction) to and from
// calendar dates, and the classic date texts of the English (United States) locale.
#include "Convert.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace vbs {

namespace {

bool isBlank(char16_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0; }

}  // namespace

namespace {

int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + int64_t(doe) - 719468;
}

const int64_t kEpoch = daysFromCivil(1899, 12, 30);

int monthFromName(std::u16string_view w) {
    static const char16_t* names[] = {u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                                      u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};
    if (w.size() < 3) return 0;
    auto l = lowerName(w.substr(0, 3));
    for (int i = 0; i < 12; ++i)
        if (l == names[i]) return i + 1;
    return 0;
}

}  // namespace

double dateSerial(int year, int month, int day) {
    // Month and day overflow roll into the next unit, as DateSerial does.
    int64_t y = year, m = month - 1;
    y += m >= 0 ? m / 12 : -((11 - m) / 12);
    m = ((m % 12) + 12) % 12;
    return double(daysFromCivil(y, unsigned(m + 1), 1) - kEpoch + (day - 1));
}

double timeSerial(int hour, int minute, int second) {
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

DateParts dateParts(double d) {
    double dayPart = std::trunc(d);
    double frac = std::fabs(d - dayPart);
    int64_t secs = int64_t(std::llround(frac * 86400.0));
    if (secs >= 86400) { secs -= 86400; dayPart += d < 0 ? -1 : 1; }
    int64_t z = int64_t(dayPart) + kEpoch + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = int64_t(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned dd = doy - (153 * mp + 2) / 5 + 1;
    const unsigned mm = mp < 10 ? mp + 3 : mp - 9;
    DateParts p;
    p.year = int(y + (mm <= 2));
    p.month = int(mm);
    p.day = int(dd);
    p.hour = int(secs / 3600);
    p.minute = int(secs / 60 % 60);
    p.second = int(secs % 60);
    int64_t wd = (int64_t(dayPart) % 7 + 7 + 6) % 7;  // serial 0 was a Saturday
    p.weekday = int(wd + 1);                          // 1 = Sunday
    return p;
}

std::u16string formatDate(double d) {
    DateParts p = dateParts(d);
    char buf[64];
    std::string out;
    bool hasDate = std::trunc(d) != 0;
    bool hasTime = d != std::trunc(d);
    if (hasDate || !hasTime) {
        std::snprintf(buf, sizeof buf, "%d/%d/%d", p.month, p.day, p.year);
        out += buf;
    }
    if (hasTime) {
        int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
        std::snprintf(buf, sizeof buf, "%s%d:%02d:%02d %s", out.empty() ? "" : " ", h12, p.minute, p.second,
                      p.hour < 12 ? "AM" : "PM");
        out += buf;
    }
    return std::u16string(out.begin(), out.end());
}

bool parseDate(std::u16string_view s, double& out) {
    // Tokenise into numbers, words and separators.
    struct Tok { int kind; int num; int digits; std::u16string_view word; char16_t sep; };
    std::vector<Tok> toks;
    size_t i = 0;
    while (i < s.size()) {
        char16_t c = s[i];
        if (isBlank(c) || c == ',') { ++i; continue; }
        if (c >= '0' && c <= '9') {
            int v = 0, dg = 0;
            while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
                if (dg < 9) v = v * 10 + (s[i] - '0');
                ++dg;
                ++i;
            }
            toks.push_back({0, v, dg, {}, 0});
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            size_t b = i;
            while (i < s.size() && ((s[i] >= 'a' && s[i] <= 'z') || (s[i] >= 'A' && s[i] <= 'Z'))) ++i;
            toks.push_back({1, 0, 0, s.substr(b, i - b), 0});
        } else if (c == '/' || c == '-' || c == ':' || c == '.') {
            toks.push_back({2, 0, 0, {}, c});
            ++i;
        } else {
            return false;
        }
    }
    if (toks.empty()) return false;
    int nums[3] = {0, 0, 0};
    int ndig[3] = {0, 0, 0};
    int nd = 0, month = 0;
    int tnums[3] = {0, 0, 0};
    int nt = 0, ampm = 0;
    bool inTime = false;
    for (size_t k = 0; k < toks.size(); ++k) {
        const Tok& t = toks[k];
        if (t.kind == 0) {
            bool timeNext = k + 1 < toks.size() && toks[k + 1].kind == 2 && toks[k + 1].sep == ':';
            if (timeNext || inTime || (k + 1 < toks.size() && toks[k + 1].kind == 1 && monthFromName(toks[k + 1].word) == 0 && nd > 0)) {
                if (timeNext) inTime = true;
                if (nt >= 3) return false;
                tnums[nt++] = t.num;
            } else {
                if (nd >= 3) return false;
                ndig[nd] = t.digits;
                nums[nd++] = t.num;
            }
        } else if (t.kind == 1) {
            if (equalsNoCase(t.word, u"am") || equalsNoCase(t.word, u"a")) ampm = 1;
            else if (equalsNoCase(t.word, u"pm") || equalsNoCase(t.word, u"p")) ampm = 2;
            else if (int m = monthFromName(t.word)) month = m;
            else return false;
        } else if (t.sep != ':' && inTime) {
            return false;
        }
    }
    if (nt == 0 && ampm && nd == 1) { tnums[nt++] = nums[0]; nd = 0; }
    double day = 0;
    if (nd || month) {
        int y, m, d;
        if (month) {
            if (nd == 1) { m = month; d = nums[0]; y = dateParts(0).year; return false; }
            if (nd != 2) return false;
            m = month;
            if (ndig[0] >= 3) { y = nums[0]; d = nums[1]; }
            else { d = nums[0]; y = nums[1]; if (ndig[1] <= 2 && ndig[0] <= 2 && d > 31) std::swap(d, y); }
        } else if (nd == 3) {
            if (ndig[0] >= 3) { y = nums[0]; m = nums[1]; d = nums[2]; }
            else { m = nums[0]; d = nums[1]; y = nums[2]; if (m > 12 && d <= 12) std::swap(m, d); }
        } else if (nd == 2) {
            return false;
        } else {
            return false;
        }
        if (y < 100 && !(month && ndig[0] >= 3)) y += y < 30 ? 2000 : 1900;
        if (m < 1 || m > 12 || d < 1 || d > 31 || y < 100 || y > 9999) return false;
        day = dateSerial(y, m, d);
        if (dateParts(day).day != d) return false;
    }
    double tm = 0;
    if (nt) {
        int h = tnums[0], mi = nt > 1 ? tnums[1] : 0, se = nt > 2 ? tnums[2] : 0;
        if (ampm) {
            if (h < 1 || h > 12) return false;
            h = h % 12 + (ampm == 2 ? 12 : 0);
        }
        if (h > 23 || mi > 59 || se > 59) return false;
        tm = timeSerial(h, mi, se);
    }
    out = day >= 0 ? day + tm : day - tm;
    return true;
}

}  // namespace vbs
