// The intrinsic constants: vbCrLf, vbString, vbObjectError ...
#include "Builtins.h"

#include <unordered_map>

namespace vbs {

const Value* findConstant(std::u16string_view lowerName) {
    static const std::unordered_map<std::u16string_view, Value> table = [] {
        std::unordered_map<std::u16string_view, Value> t;
        auto s = [&](const char16_t* n, std::u16string v) { t.emplace(n, Value::string(std::move(v))); };
        auto i = [&](const char16_t* n, int v) {
            t.emplace(n, v >= -32768 && v <= 32767 ? Value::integer(int16_t(v)) : Value::longv(v));
        };
        // Colours and the later message box flags are Long whatever their value.
        auto l = [&](const char16_t* n, int32_t v) { t.emplace(n, Value::longv(v)); };
        s(u"vbcrlf", u"\r\n");
        s(u"vbnewline", u"\r\n");
        s(u"vbcr", u"\r");
        s(u"vblf", u"\n");
        s(u"vbtab", u"\t");
        s(u"vbnullchar", std::u16string(1, u'\0'));
        s(u"vbnullstring", u"");
        s(u"vbformfeed", u"\f");
        s(u"vbverticaltab", u"\v");
        i(u"vbtrue", -1);
        i(u"vbfalse", 0);
        i(u"vbusedefault", -2);
        i(u"vbbinarycompare", 0);
        i(u"vbtextcompare", 1);
        i(u"vbdatabasecompare", 2);
        i(u"vbobjecterror", int(0x80040000u));
        const std::pair<const char16_t*, int> types[] = {{u"vbempty", 0},
                                                         {u"vbnull", 1},
                                                         {u"vbinteger", 2},
                                                         {u"vblong", 3},
                                                         {u"vbsingle", 4},
                                                         {u"vbdouble", 5},
                                                         {u"vbcurrency", 6},
                                                         {u"vbdate", 7},
                                                         {u"vbstring", 8},
                                                         {u"vbobject", 9},
                                                         {u"vberror", 10},
                                                         {u"vbboolean", 11},
                                                         {u"vbvariant", 12},
                                                         {u"vbdataobject", 13},
                                                         {u"vbdecimal", 14},
                                                         {u"vbbyte", 17},
                                                         {u"vbarray", 8192},
                                                         {u"vbsunday", 1},
                                                         {u"vbmonday", 2},
                                                         {u"vbtuesday", 3},
                                                         {u"vbwednesday", 4},
                                                         {u"vbthursday", 5},
                                                         {u"vbfriday", 6},
                                                         {u"vbsaturday", 7},
                                                         {u"vbusesystemdayofweek", 0},
                                                         {u"vbgeneraldate", 0},
                                                         {u"vblongdate", 1},
                                                         {u"vbshortdate", 2},
                                                         {u"vblongtime", 3},
                                                         {u"vbshorttime", 4},
                                                         {u"vbokonly", 0},
                                                         {u"vbokcancel", 1},
                                                         {u"vbabortretryignore", 2},
                                                         {u"vbyesnocancel", 3},
                                                         {u"vbyesno", 4},
                                                         {u"vbretrycancel", 5},
                                                         {u"vbcritical", 16},
                                                         {u"vbquestion", 32},
                                                         {u"vbexclamation", 48},
                                                         {u"vbinformation", 64},
                                                         {u"vbok", 1},
                                                         {u"vbcancel", 2},
                                                         {u"vbabort", 3},
                                                         {u"vbretry", 4},
                                                         {u"vbignore", 5},
                                                         {u"vbyes", 6},
                                                         {u"vbno", 7},
                                                         {u"vbusesystem", 0},
                                                         {u"vbfirstjan1", 1},
                                                         {u"vbfirstfourdays", 2},
                                                         {u"vbfirstfullweek", 3},
                                                         {u"vbdefaultbutton1", 0},
                                                         {u"vbdefaultbutton2", 256},
                                                         {u"vbdefaultbutton3", 512},
                                                         {u"vbdefaultbutton4", 768},
                                                         {u"vbapplicationmodal", 0},
                                                         {u"vbsystemmodal", 4096}};
        for (auto& p : types)
            i(p.first, p.second);
        const std::pair<const char16_t*, int32_t> longs[] = {{u"vbblack", 0},
                                                             {u"vbred", 255},
                                                             {u"vbgreen", 65280},
                                                             {u"vbyellow", 65535},
                                                             {u"vbblue", 16711680},
                                                             {u"vbmagenta", 16711935},
                                                             {u"vbcyan", 16776960},
                                                             {u"vbwhite", 16777215},
                                                             {u"vbmsgboxhelpbutton", 16384},
                                                             {u"vbmsgboxsetforeground", 65536},
                                                             {u"vbmsgboxright", 524288},
                                                             {u"vbmsgboxrtlreading", 1048576}};
        for (auto& p : longs)
            l(p.first, p.second);
        return t;
    }();
    auto it = table.find(lowerName);
    return it == table.end() ? nullptr : &it->second;
}

} // namespace vbs
