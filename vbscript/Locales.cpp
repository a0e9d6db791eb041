// The locales SetLocale offers and the thread's active one.
#include "Locale.h"

#include "Value.h"

namespace vbs {

namespace {

constexpr char16_t kNbsp = 0xA0;

const LocaleInfo kLocales[] = {
    {1033,
     u"en-us",
     u'.',
     u',',
     u"$",
     0,
     0,
     2,
     DateOrder::MonthDayYear,
     u"M/d/yyyy",
     u"dddd, MMMM dd, yyyy",
     u"h:mm:ss tt",
     {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
      u"October", u"November", u"December"},
     {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"},
     {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
     {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"},
     nullptr,
     nullptr,
     nullptr,
     nullptr},
    {2057,
     u"en-gb",
     u'.',
     u',',
     u"\u00A3",
     0,
     1,
     2,
     DateOrder::DayMonthYear,
     u"dd/MM/yyyy",
     u"dd MMMM yyyy",
     u"HH:mm:ss",
     {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
      u"October", u"November", u"December"},
     {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"},
     {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
     {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"},
     nullptr,
     nullptr,
     nullptr,
     nullptr},
    {1031,
     u"de-de",
     u',',
     u'.',
     u"\u20AC",
     3,
     8,
     2,
     DateOrder::DayMonthYear,
     u"dd.MM.yyyy",
     u"dddd, d. MMMM yyyy",
     u"HH:mm:ss",
     {u"Januar", u"Februar", u"M\u00E4rz", u"April", u"Mai", u"Juni", u"Juli", u"August", u"September",
      u"Oktober", u"November", u"Dezember"},
     {u"Jan", u"Feb", u"M\u00E4r", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"},
     {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag"},
     {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"},
     nullptr,
     nullptr,
     nullptr,
     nullptr},
    {1036,
     u"fr-fr",
     u',',
     kNbsp,
     u"\u20AC",
     3,
     8,
     2,
     DateOrder::DayMonthYear,
     u"dd/MM/yyyy",
     u"dddd d MMMM yyyy",
     u"HH:mm:ss",
     {u"janvier", u"f\u00E9vrier", u"mars", u"avril", u"mai", u"juin", u"juillet", u"ao\u00FBt", u"septembre",
      u"octobre", u"novembre", u"d\u00E9cembre"},
     {u"janv.", u"f\u00E9vr.", u"mars", u"avr.", u"mai", u"juin", u"juil.", u"ao\u00FBt", u"sept.", u"oct.",
      u"nov.", u"d\u00E9c."},
     {u"dimanche", u"lundi", u"mardi", u"mercredi", u"jeudi", u"vendredi", u"samedi"},
     {u"dim.", u"lun.", u"mar.", u"mer.", u"jeu.", u"ven.", u"sam."},
     nullptr,
     nullptr,
     nullptr,
     nullptr},
    {3082,
     u"es-es",
     u',',
     u'.',
     u"\u20AC",
     3,
     8,
     2,
     DateOrder::DayMonthYear,
     u"dd/MM/yyyy",
     u"dddd, dd' de 'MMMM' de 'yyyy",
     u"H:mm:ss",
     {u"enero", u"febrero", u"marzo", u"abril", u"mayo", u"junio", u"julio", u"agosto", u"septiembre",
      u"octubre", u"noviembre", u"diciembre"},
     {u"ene", u"feb", u"mar", u"abr", u"may", u"jun", u"jul", u"ago", u"sep", u"oct", u"nov", u"dic"},
     {u"domingo", u"lunes", u"martes", u"mi\u00E9rcoles", u"jueves", u"viernes", u"s\u00E1bado"},
     {u"dom", u"lun", u"mar", u"mi\u00E9", u"jue", u"vie", u"s\u00E1b"},
     u"de",
     nullptr,
     nullptr,
     nullptr},
    {1040,
     u"it-it",
     u',',
     u'.',
     u"\u20AC",
     2,
     9,
     2,
     DateOrder::DayMonthYear,
     u"dd/MM/yyyy",
     u"dddd d MMMM yyyy",
     u"HH:mm:ss",
     {u"gennaio", u"febbraio", u"marzo", u"aprile", u"maggio", u"giugno", u"luglio", u"agosto", u"settembre",
      u"ottobre", u"novembre", u"dicembre"},
     {u"gen", u"feb", u"mar", u"apr", u"mag", u"giu", u"lug", u"ago", u"set", u"ott", u"nov", u"dic"},
     {u"domenica", u"luned\u00EC", u"marted\u00EC", u"mercoled\u00EC", u"gioved\u00EC", u"venerd\u00EC",
      u"sabato"},
     {u"dom", u"lun", u"mar", u"mer", u"gio", u"ven", u"sab"},
     nullptr,
     nullptr,
     nullptr,
     nullptr},
    {1043,
     u"nl-nl",
     u',',
     u'.',
     u"\u20AC",
     2,
     12,
     2,
     DateOrder::DayMonthYear,
     u"d-M-yyyy",
     u"dddd d MMMM yyyy",
     u"H:mm:ss",
     {u"januari", u"februari", u"maart", u"april", u"mei", u"juni", u"juli", u"augustus", u"september",
      u"oktober", u"november", u"december"},
     {u"jan", u"feb", u"mrt", u"apr", u"mei", u"jun", u"jul", u"aug", u"sep", u"okt", u"nov", u"dec"},
     {u"zondag", u"maandag", u"dinsdag", u"woensdag", u"donderdag", u"vrijdag", u"zaterdag"},
     {u"zo", u"ma", u"di", u"wo", u"do", u"vr", u"za"},
     nullptr,
     nullptr,
     nullptr,
     nullptr},
};

// The running engine's locale slot; nullptr outside every engine.
thread_local const LocaleInfo* const* t_slot = nullptr;

} // namespace

const LocaleInfo& englishUS() {
    return kLocales[0];
}

const LocaleInfo* builtInLocale(int32_t lcid) {
    for (const auto& l : kLocales)
        if (l.lcid == lcid) return &l;
    return nullptr;
}

const LocaleInfo* findLocale(int32_t lcid) {
    const LocaleInfo* l = builtInLocale(lcid);
    return l ? l : icuLocale(lcid);
}

const LocaleInfo* findLocale(std::u16string_view tag) {
    std::u16string t = lowerName(tag);
    for (auto& c : t)
        if (c == u'_') c = u'-';
    for (const auto& l : kLocales) {
        std::u16string_view full = l.tag;
        // The language alone names the first locale of it: "en" is English (United States).
        if (t == full || (t.size() == 2 && full.substr(0, 2) == t)) return &l;
    }
    return icuLocale(t);
}

const LocaleInfo* activeLocaleOverride() {
    return t_slot ? *t_slot : nullptr;
}

const LocaleInfo& activeLocale() {
    const LocaleInfo* l = activeLocaleOverride();
    return l ? *l : kLocales[0];
}

LocaleScope::LocaleScope(const LocaleInfo* const* slot) : m_saved(t_slot) {
    t_slot = slot;
}

LocaleScope::~LocaleScope() {
    t_slot = m_saved;
}

} // namespace vbs
