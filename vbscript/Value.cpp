#include "Value.h"

#include "Errors.h"
#include "Object.h"

#include <cassert>
#include <cstdlib>

namespace vbs {

Value Value::string(std::u16string s) {
    Value v;
    v.m_type = VarType::String;
    v.m_u.str = new StrBuf{1, false, std::move(s)};
    return v;
}

Value Value::fromUtf8(std::string_view s) {
    return string(vbs::fromUtf8(s));
}

Value Value::object(Object* o) {
    Value v;
    v.m_type = VarType::Object;
    v.m_u.obj = o;
    if (o) o->addRef();
    return v;
}

Value Value::array(Array* a) {
    Value v;
    v.m_type = VarType::Array;
    v.m_u.arr = a;
    return v;
}

bool Value::isNumeric() const {
    switch (m_type) {
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date:
    case VarType::Boolean:
    case VarType::Byte:
        return true;
    default:
        return false;
    }
}

void Value::wrongType() {
    assert(false && "Value accessor used on the wrong subtype");
    std::abort();
}

void Value::addRefSlow() const noexcept {
    switch (m_type) {
    case VarType::String:
        ++m_u.str->refs;
        break;
    case VarType::Object:
        if (m_u.obj) m_u.obj->addRef();
        break;
    case VarType::Array:
        ++m_u.arr->refs;
        break;
    default:
        break;
    }
}

namespace {

// Freeing a long chain (objects linked through their fields, arrays inside
// arrays) would recurse once per link and overflow the C++ stack. Past a
// depth, releases wait in this thread's list, which the outermost release
// works off; the list is scratch space, not engine state.
struct ReleaseQueue {
    int depth = 0;
    std::vector<Value> waiting;
};
thread_local ReleaseQueue t_releases;
constexpr int kReleaseDepth = 64;

} // namespace

void Value::releaseSlow() noexcept {
    if (m_type == VarType::String) {
        if (--m_u.str->refs == 0) delete m_u.str;
        m_type = VarType::Empty;
        return;
    }
    ReleaseQueue& q = t_releases;
    if (q.depth >= kReleaseDepth) {
        try {
            q.waiting.push_back(std::move(*this));
            return;
        } catch (...) {
            // No room to wait: release here after all.
        }
    }
    ++q.depth;
    if (m_type == VarType::Object) {
        if (m_u.obj) m_u.obj->release();
    } else if (m_type == VarType::Array) {
        if (--m_u.arr->refs == 0) delete m_u.arr;
    }
    m_type = VarType::Empty;
    if (q.depth == 1)
        while (!q.waiting.empty()) {
            Value v = std::move(q.waiting.back());
            q.waiting.pop_back();
        }
    --q.depth;
}

Array* Value::mutableArray() {
    check(VarType::Array);
    // A lock holds a reference of its own (an element passed ByRef): the array is not shared by it.
    if (m_u.arr->refs - m_u.arr->locks > 1) {
        auto* copy = new Array;
        copy->dims = m_u.arr->dims;
        copy->data = m_u.arr->data;
        copy->fixed = m_u.arr->fixed;
        --m_u.arr->refs;
        m_u.arr = copy;
    }
    return m_u.arr;
}

void Value::appendString(std::u16string_view tail) {
    check(VarType::String);
    if (m_u.str->refs > 1) {
        std::u16string s;
        s.reserve(m_u.str->text.size() + tail.size());
        s += m_u.str->text;
        s += tail;
        *this = string(std::move(s));
        return;
    }
    m_u.str->oddBytes = false;
    m_u.str->text += tail; // std::basic_string grows geometrically
}

std::u16string fromUtf8(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    size_t i = 0, n = s.size();
    while (i < n) {
        unsigned char c = (unsigned char)s[i];
        uint32_t cp;
        int len;
        if (c < 0x80) {
            size_t j = i + 1;
            while (j < n && (unsigned char)s[j] < 0x80)
                ++j;
            out.append(s.begin() + long(i), s.begin() + long(j));
            i = j;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            len = 2;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            len = 3;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07;
            len = 4;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        if (i + len > n) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            unsigned char cc = (unsigned char)s[i + k];
            if ((cc & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        static const uint32_t minCp[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (!ok || cp < minCp[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(char16_t(0xD800 + (cp >> 10)));
            out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(char16_t(cp));
        }
        i += len;
    }
    return out;
}

std::string toUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t cp = s[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::u16string lowerName(std::u16string_view s) {
    std::u16string r(s);
    for (auto& c : r)
        if (c >= 'A' && c <= 'Z') c = char16_t(c + 32);
    return r;
}

bool equalsNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char16_t(x + 32);
        if (y >= 'A' && y <= 'Z') y = char16_t(y + 32);
        if (x != y) return false;
    }
    return true;
}

} // namespace vbs
