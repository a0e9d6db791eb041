// Procedure calls, script class instances and late-bound member access.
#include "Interp.h"

#include "Convert.h"
#include "builtins/Builtins.h"

namespace vbs {

namespace {

// Frame storage: small frames live inline on the C++ stack.
struct SlotBuf {
    explicit SlotBuf(int n) : count(n) {
        if (n <= kInline)
            p = reinterpret_cast<Value*>(inl);
        else {
            heap.reset(new Value[size_t(n)]);
            p = heap.get();
            return;
        }
        for (int i = 0; i < n; ++i)
            new (p + i) Value();
    }
    ~SlotBuf() {
        if (!heap)
            for (int i = 0; i < count; ++i)
                p[i].~Value();
    }
    SlotBuf(const SlotBuf&) = delete;
    SlotBuf& operator=(const SlotBuf&) = delete;
    static constexpr int kInline = 10;
    alignas(Value) unsigned char inl[kInline * sizeof(Value)];
    std::unique_ptr<Value[]> heap;
    Value* p;
    int count;
};

} // namespace

Value Interp::callProc(ProcDef* p, ClassInstance* me, ArgBlock* args, Frame& caller) {
    size_t n = args ? args->n : 0;
    if (n != p->params.size()) throwError(Err::WrongArgCount, p->name);
    SlotBuf slots(p->frameSize());
    for (size_t i = 0; i < n; ++i) {
        if (args->isOmitted(i)) throwError(Err::WrongArgCount, p->name);
        const bool byRef = !p->params[i].byVal;
        if (Value* ref = args->refAt(i)) {
            if (byRef) {
                slots.p[i + 1] = *ref;
                // The copy taken in case it went ByVal would share an array with the variable
                // and make every store into it copy the whole array.
                args->vals[i] = Value();
                continue;
            }
            // Taken by value after all: the element it names is free again.
            releaseLocks(caller, ref, ref + 1);
        }
        Value& v = args->vals[i];
        // A host may pass Value::ref(&v) for a ByRef parameter to see what the
        // procedure stored there (an event's Cancel argument).
        if (v.isRef() && !byRef)
            slots.p[i + 1] = v.deref();
        else
            slots.p[i + 1] = std::move(v);
    }
    return runFrame(p, me, slots.p);
}

Value Interp::callProc1(ProcDef* p, Value arg, Value* ref) {
    SlotBuf slots(p->frameSize());
    slots.p[1] = ref ? Value::ref(ref) : std::move(arg);
    return runFrame(p, nullptr, slots.p);
}

Value Interp::callWithValues(ProcDef* p, ClassInstance* me, std::span<Value> args) {
    std::vector<Value> copies(args.begin(), args.end()); // the host's values stay its own
    ArgBlock a;
    a.vals = copies.data();
    a.n = uint32_t(copies.size());
    a.parens = true;
    Frame none;
    return callProc(p, me, &a, none);
}

namespace {

struct FrameGuard {
    FrameGuard(Frame*& cur, Frame* next) : m_cur(cur), m_saved(cur) { cur = next; }
    ~FrameGuard() { m_cur = m_saved; }
    Frame*& m_cur;
    Frame* m_saved;
};

} // namespace

Value Interp::runFrame(ProcDef* p, ClassInstance* me, Value* slots) {
    checkStack();
    tick();
    for (auto& c : p->constInits)
        slots[c.first] = c.second;
    Frame fr;
    fr.slots = slots;
    fr.proc = p;
    fr.me = me;
    Value keepAlive = me ? Value::object(me) : Value();
    FrameGuard guard(m_frame, &fr);
    return execute(fr);
}

Value Interp::newInstance(ClassDef* cls) {
    auto* inst = new ClassInstance(*this, *cls);
    Value v = Value::object(inst);
    if (cls->initialize) callWithValues(cls->initialize, inst, {});
    return v;
}

ClassInstance::ClassInstance(Interp& rt, ClassDef& cls) : EngineObject(rt), m_cls(&cls) {
    m_fields.resize(cls.fields.size());
    for (size_t i = 0; i < cls.fields.size(); ++i) {
        const FieldDef& fd = cls.fields[i];
        if (!fd.hasBounds) continue;
        auto* a = new Array;
        a->fixed = !fd.bounds.empty();
        size_t total = 1;
        for (int32_t ub : fd.bounds) {
            if (ub < -1) ub = -1;
            a->dims.push_back({0, ub + 1});
            total *= size_t(ub + 1);
        }
        if (fd.bounds.empty()) total = 0;
        m_fields[i] = Value::array(a);
        rt.checkMemory(total * sizeof(Value));
        a->data.resize(total);
    }
}

std::u16string ClassInstance::typeName() const {
    return m_cls ? m_cls->name : m_cutOffName;
}

DispId ClassInstance::memberId(std::u16string_view name) {
    // Cut off: every name leads to invoke, which says why nothing works.
    if (!m_cls) return kDispValue;
    int m = m_cls->findMember(name);
    if (m < 0 || !m_cls->members[size_t(m)].isPublic) return kDispUnknown;
    return m + 1;
}

void ClassInstance::lastReleased() {
    m_rt.destroyInstance(this);
}

void ClassInstance::dropScript(std::vector<Value>& grave) {
    if (!m_cls) return;
    m_cutOffName = m_cls->name;
    m_cls = nullptr;
    m_terminated = true;
    for (Value& v : m_fields)
        grave.push_back(std::move(v));
    m_fields.clear();
}

bool ClassInstance::invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) {
    if (!m_cls) return Interp::cutOff(err, m_cutOffName);
    int m = id == kDispValue ? m_cls->defaultMember : id - 1;
    if (m < 0 || m >= int(m_cls->members.size()) || !m_cls->members[size_t(m)].isPublic) {
        err.number = int32_t(Err::NoSuchMember);
        return false;
    }
    return m_rt.objectCall(err, [&] {
        Frame outside;                                       // no caller: private members stay private
        std::vector<Value> copies(args.begin(), args.end()); // the host's values stay its own
        if (kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef) {
            if (args.empty()) throwError(Err::WrongArgCount);
            Value v = args.back();
            copies.pop_back();
            ArgBlock a;
            a.vals = copies.data();
            a.n = uint32_t(copies.size());
            a.parens = !copies.empty();
            m_rt.instancePut(this, m, &a, v, kind == InvokeKind::PropertyPutRef, outside);
        } else {
            ArgBlock a;
            a.vals = copies.data();
            a.n = uint32_t(copies.size());
            a.parens = !copies.empty();
            result = m_rt.instanceGet(this, m, a.parens ? &a : nullptr, outside, kind == InvokeKind::Method);
        }
    });
}

void Interp::destroyInstance(ClassInstance* inst) {
    if (inst->m_terminated || !inst->m_cls || !inst->m_cls->terminate || m_destroying) {
        delete inst;
        return;
    }
    inst->m_terminated = true;
    inst->addRef();
    // Errors inside Class_Terminate are not reported to the code that dropped the object.
    ScriptError ignored;
    guarded([&] { callWithValues(inst->m_cls->terminate, inst, {}); }, ignored);
    inst->release();
}

int Interp::instanceMember(ClassInstance* inst, const std::u16string& name, MemberCache* cache, Frame& f) {
    ClassDef* cls = &inst->cls();
    if (name.empty()) {
        if (cls->defaultMember < 0) throwError(Err::NoSuchMember);
        return cls->defaultMember;
    }
    if (cache && cache->key == cls && cache->generation == m_generation) return cache->id;
    int m = cls->findMember(name);
    if (m < 0 || (!cls->members[size_t(m)].isPublic && f.me != inst)) throwError(Err::NoSuchMember, name);
    if (cache) {
        cache->key = cls;
        cache->id = m;
        cache->generation = m_generation;
    }
    return m;
}

Value Interp::instanceGet(ClassInstance* inst, int member, ArgBlock* args, Frame& f, bool statement) {
    (void)statement;
    ClassMember& cm = inst->cls().members[size_t(member)];
    size_t nargs = args ? args->n : 0;
    if (cm.field >= 0) {
        const Value& fv = inst->fields()[size_t(cm.field)];
        // o.field() and o.field(i) index an array field or call an object's default member; a
        // plain value takes no parentheses.
        if (!args || !args->parens) return fv;
        // o.arr() names no element: an invalid call, as o.plain() is.
        if (nargs == 0 && !fv.isObject()) throwError(Err::InvalidCall, cm.name);
        if (!fv.isArray() && !fv.isObject()) throwError(Err::NoSuchMember, cm.name);
        releaseLocks(f, args->refs, args->refs + nargs);
        std::vector<Value> idx(args->vals, args->vals + nargs);
        return indexValue(inst->fields()[size_t(cm.field)], idx);
    }
    ProcDef* p = cm.method ? cm.method : cm.get;
    if (!p) throwError(Err::NoSuchMember, cm.name);
    Value keep = Value::object(inst);
    if (!args && !p->params.empty()) throwError(Err::WrongArgCount, cm.name);
    return callProc(p, inst, args, f);
}

void Interp::instancePut(ClassInstance* inst, int member, ArgBlock* args, Value v, bool isSet, Frame& f) {
    ClassMember& cm = inst->cls().members[size_t(member)];
    Value keep = Value::object(inst);
    const size_t n = args ? args->n : 0;
    if (!isSet && v.isObject() && cm.field >= 0) v = scalar(v); // before taking element addresses
    if (cm.field >= 0) {
        Value& fv = inst->fields()[size_t(cm.field)];
        if (n == 0) {
            storeVar(fv, std::move(v), isSet, cm.name);
            return;
        }
        if (fv.isArray()) {
            storeVar(*elementRef(fv.mutableArray(), args->values()), std::move(v), isSet, cm.name);
            return;
        }
        if (fv.isObject()) {
            Value o = fv;
            putMember(o, std::u16string(), nullptr, nullptr, std::move(v), isSet, f);
            return;
        }
        // o.plain(i) = x: as reading it, the member takes no index.
        throwError(Err::NoSuchMember, cm.name);
    }
    ProcDef* p = isSet ? cm.set : cm.let;
    if (!p) {
        if (n || !(cm.get || cm.method)) throwError(Err::NoSuchMember, cm.name);
        // obj.Prop = x on a read-only member: assign to the default member of what it returns.
        throwError(Err::IllegalAssignment, cm.name);
    }
    // Property Let receives an object itself, not its default value.
    if (isSet && !v.isObject()) throwError(Err::ObjectRequired, cm.name);
    // The procedure's arguments: the indices (the caller's to give up), then the value.
    Value small[4];
    std::vector<Value> big;
    Value* all = small;
    if (n + 1 > std::size(small)) {
        big.resize(n + 1);
        all = big.data();
    }
    for (size_t i = 0; i < n; ++i)
        all[i] = std::move(args->vals[i]);
    all[n] = std::move(v);
    ArgBlock a;
    a.vals = all;
    a.n = uint32_t(n + 1);
    a.parens = true;
    Frame outside;
    callProc(p, inst, &a, outside);
}

DispId Interp::hostMemberId(Object* obj, const std::u16string& name, MemberCache* cache) {
    if (name.empty()) return kDispValue;
    const void* key = obj->dispatchKey();
    if (cache && key && cache->key == key && cache->generation == m_generation) return cache->id;
    DispId id = obj->memberId(name);
    if (id == kDispUnknown) throwError(Err::NoSuchMember, name);
    if (cache && key) {
        cache->key = key;
        cache->id = id;
        cache->generation = m_generation;
    }
    return id;
}

Value Interp::hostInvoke(Object* obj, DispId id, InvokeKind kind, std::span<Value> args) {
    if (m_stopping) [[unlikely]]
        abort(m_stopping);
    Value result;
    HostError err;
    Value keep = Value::object(obj);
    if (!obj->invoke(id, kind, args, result, err)) {
        if (err.number == int32_t(Err::Interrupted) || err.number == int32_t(Err::TimedOut))
            abort(err.number);
        int32_t num = err.number ? err.number : int32_t(Err::ExceptionOccurred);
        if (num < 0) num = errorFromHResult(num);
        ScriptError e;
        e.number = num;
        e.description = err.description.empty() ? std::u16string(errorText(num)) : std::move(err.description);
        e.source = std::move(err.source);
        e.helpFile = std::move(err.helpFile);
        e.helpContext = err.helpContext;
        throw e;
    }
    afterHostCallback();
    return result;
}

Value Interp::getMember(const Value& objv, const std::u16string& name, MemberCache* cache, ArgBlock* args,
                        Frame& f, bool statement) {
    const Value& o = objv.deref();
    if (!o.isObject() || !o.asObject()) throwError(Err::ObjectRequired, name);
    Object* obj = o.asObject();
    Value keep = o;
    if (ClassInstance* inst = ownInstance(obj)) {
        int m = instanceMember(inst, name, cache, f);
        return instanceGet(inst, m, args, f, statement);
    }
    DispId id = hostMemberId(obj, name, cache);
    if (!args) return hostInvoke(obj, id, statement ? InvokeKind::Method : InvokeKind::PropertyGet, {});
    releaseLocks(f, args->refs, args->refs + args->n);
    return hostInvoke(obj, id, InvokeKind::Method, args->values());
}

void Interp::putMember(const Value& objv, const std::u16string& name, MemberCache* cache, ArgBlock* args,
                       Value v, bool isSet, Frame& f) {
    const Value& o = objv.deref();
    if (!o.isObject() || !o.asObject()) throwError(Err::ObjectRequired, name);
    Object* obj = o.asObject();
    Value keep = o;
    if (ClassInstance* inst = ownInstance(obj)) {
        int m = instanceMember(inst, name, cache, f);
        instancePut(inst, m, args, std::move(v), isSet, f);
        return;
    }
    DispId id = hostMemberId(obj, name, cache);
    std::vector<Value> vals;
    if (args) vals.assign(args->vals, args->vals + args->n);
    if (isSet) {
        if (!v.isObject()) throwError(Err::ObjectRequired, name);
    } else if (v.isObject()) {
        v = scalar(v);
    }
    vals.push_back(std::move(v));
    hostInvoke(obj, id, isSet ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut, vals);
}

Value Interp::callDefault(const Value& obj, ArgBlock* args, Frame& f) {
    return getMember(obj, std::u16string(), nullptr, args, f, false);
}

Value Interp::callValue(const Value& target, std::span<Value> args) {
    const Value& o = target.deref();
    if (!o.isObject() || !o.asObject()) throwError(Err::ObjectRequired);
    Object* obj = o.asObject();
    if (ClassInstance* inst = ownInstance(obj)) {
        if (inst->cls().defaultMember < 0) throwError(Err::NoSuchMember);
        Frame dummy;
        std::vector<Value> copies(args.begin(), args.end());
        ArgBlock a;
        a.vals = copies.data();
        a.n = uint32_t(copies.size());
        a.parens = !copies.empty();
        return instanceGet(inst, inst->cls().defaultMember, a.parens ? &a : nullptr, dummy, false);
    }
    return hostInvoke(obj, kDispValue, args.empty() ? InvokeKind::PropertyGet : InvokeKind::Method, args);
}

Value Interp::defaultValue(Object* obj) {
    Value v = callValue(Value::object(obj), {});
    if (v.isObject()) {
        // A default member returning an object: keep reducing, but not forever.
        for (int i = 0; i < 8 && v.isObject() && v.asObject(); ++i)
            v = callValue(v, {});
        if (v.isObject()) throwError(Err::NoSuchMember);
    }
    return v;
}

} // namespace vbs
