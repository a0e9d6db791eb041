// Picture objects: size in HIMETRIC as the classic picture object gives it, and a Handle number
// that finds the picture again when a script assigns it without Set.
#include "run/scripting/objects/PictureObject.h"

#include "run/scripting/objects/HostKit.h"
#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

#include <cmath>
#include <deque>
#include <mutex>
#include <utility>
#include <vector>

namespace run::scripting {

namespace {

enum : vbs::DispId { kHandle = 1, kWidth, kHeight, kType, kHPal };

const vbs::MemberTable kMembers{
    {u"Handle", kHandle}, {u"Width", kWidth}, {u"Height", kHeight}, {u"Type", kType}, {u"hPal", kHPal},
};

// Handles are small numbers handed out on demand. The engine turns `x.Picture = pic` into the
// handle before the property sees it and may drop the object at once, so the last few pictures
// whose handle was taken are kept alive; the rest are found only while someone holds them.
class HandleRegistry {
  public:
    std::int32_t handleOf(const platform::PicturePtr& picture) {
        if (!picture) return 0;
        std::lock_guard lock(m_mutex);
        std::int32_t handle = 0;
        for (auto it = m_entries.begin(); it != m_entries.end();) {
            auto held = it->second.lock();
            if (!held) {
                it = m_entries.erase(it);
                continue;
            }
            if (held == picture) handle = it->first;
            ++it;
        }
        if (!handle) {
            handle = m_next;
            m_next = m_next >= kLast ? kFirst : m_next + 4;
            m_entries.emplace_back(handle, picture);
        }
        m_recent.push_back(picture);
        if (m_recent.size() > kKeptAlive) m_recent.pop_front();
        return handle;
    }

    platform::PicturePtr pictureOf(std::int32_t handle) {
        std::lock_guard lock(m_mutex);
        for (const auto& [h, weak] : m_entries)
            if (h == handle) return weak.lock();
        return nullptr;
    }

  private:
    static constexpr std::int32_t kFirst = 0x2E0004, kLast = 0x7FFFFFF0;
    static constexpr std::size_t kKeptAlive = 4;
    std::mutex m_mutex;
    std::vector<std::pair<std::int32_t, std::weak_ptr<const platform::Picture>>> m_entries;
    std::deque<platform::PicturePtr> m_recent;
    std::int32_t m_next = kFirst;
};

HandleRegistry& Registry() {
    static HandleRegistry registry;
    return registry;
}

// 2540 HIMETRIC units an inch, 96 pixels an inch on screen.
std::int32_t Himetric(int pixels) {
    return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / 96.0));
}

} // namespace

vbs::DispId PictureObject::memberId(std::u16string_view name) {
    return kMembers.find(name);
}
const void* PictureObject::dispatchKey() const {
    return &kMembers;
}

bool PictureObject::invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args,
                           vbs::Value& result, vbs::HostError& err) {
    if (id == vbs::kDispValue) id = kHandle; // the classic picture's default member
    if (vbs::isPut(kind)) return FailReadOnly(err);
    if (!args.empty()) return Fail(err, vbs::error::WrongArgCount);
    const platform::Picture* p = m_picture.get();
    switch (id) {
    case kHandle:
        result = vbs::Value::longv(Registry().handleOf(m_picture));
        return true;
    case kWidth:
        result = vbs::Value::longv(p ? Himetric(p->width()) : 0);
        return true;
    case kHeight:
        result = vbs::Value::longv(p ? Himetric(p->height()) : 0);
        return true;
    case kType:
        result = vbs::Value::integer(p ? 1 : 0);
        return true; // 1: a bitmap, 0: none
    case kHPal:
        result = vbs::Value::longv(0);
        return true;
    default:
        return Fail(err, vbs::error::NoSuchMember);
    }
}

bool ReadPictureValue(const vbs::Value& assigned, platform::PicturePtr& out, vbs::HostError& err) {
    vbs::Value v = assigned.deref();
    // An object's default member may lead to a picture (Set Image1.Picture = Image2); not forever.
    for (int depth = 0; depth < 8 && v.isObject(); ++depth) {
        vbs::Object* o = v.asObject();
        if (!o) {
            out.reset();
            return true;
        }
        if (auto* picture = dynamic_cast<PictureObject*>(o)) {
            out = picture->picture();
            return true;
        }
        vbs::Value keep = v, next;
        vbs::HostError ignored;
        if (!o->invoke(vbs::kDispValue, vbs::InvokeKind::PropertyGet, {}, next, ignored))
            return Fail(err, vbs::error::TypeMismatch);
        v = std::move(next);
    }
    if (v.isObject() || v.isString() || v.isArray() || v.isNull()) return Fail(err, vbs::error::TypeMismatch);
    vbs::HostArgs in(std::span<vbs::Value>(&v, 1), err);
    std::int32_t handle = in.whole(0);
    if (!in.ok()) return false;
    if (handle == 0) {
        out.reset();
        return true;
    }
    out = Registry().pictureOf(handle);
    return out ? true : Fail(err, vbs::error::InvalidPropertyValue, "Invalid property value");
}

vbs::Object* NewPictureObject(platform::PicturePtr picture) {
    return new PictureObject(std::move(picture));
}

const platform::PicturePtr* PictureOf(vbs::Object* object) {
    auto* picture = dynamic_cast<PictureObject*>(object);
    return picture ? &picture->picture() : nullptr;
}

} // namespace run::scripting
