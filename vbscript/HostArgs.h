#pragma once
// Reading the arguments of a host object's member call: values with objects
// reduced to their default value and the classic conversions, failures kept
// as a HostError instead of thrown. A host's invoke reads what it needs, then
// returns ok():
//
//     vbs::HostArgs in(args, err);
//     std::u16string name = in.text(0);
//     bool quiet = in.truth(1, false);
//     if (!in.ok()) return false;
#include "Object.h"
#include "Value.h"

#include <span>
#include <string>

namespace vbs {

class HostArgs {
  public:
    HostArgs(std::span<Value> args, HostError& err) : m_args(args), m_err(err) {}

    size_t count() const { return m_args.size(); }
    // An argument is missing when not given or left out in the call: f(1, , 3).
    bool given(size_t i) const;
    // The value, Refs followed and objects reduced to their default value.
    Value value(size_t i);
    std::u16string text(size_t i, std::u16string_view fallback = {});
    std::string utf8(size_t i, std::string_view fallback = {});
    int32_t whole(size_t i, int32_t fallback = 0); // Long with banker's rounding
    double number(size_t i, double fallback = 0);
    bool truth(size_t i, bool fallback = false);
    // An object argument (Nothing gives nullptr; anything else error 424).
    Object* object(size_t i);

    // Fails the call with a classic error number (and the classic text).
    void fail(int32_t number, std::u16string description = {});
    bool ok() const { return m_ok; }

  private:
    template <class F> auto convert(size_t i, F&& f, decltype(f(Value())) fallback);
    std::span<Value> m_args;
    HostError& m_err;
    bool m_ok = true;
};

} // namespace vbs
