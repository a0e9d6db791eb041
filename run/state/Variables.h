// Project variables: the integer and variant variables of the game, and the list of hotspots
// made to disappear. Names are kept in file order; duplicates are separate variables.
#pragma once

#include "run/project/record/RecordVariant.h"

#include <cstdint>
#include <string>
#include <vector>

namespace run {

struct ProjectContext;

struct ClassVariable {
    std::string Name;
    std::int16_t Value = 0;
};

// A variant variable's value. Until scripts run, values are the kinds record files hold
// (empty, null, Boolean, number, text).
struct ClassVariableVariant {
    std::string Name;
    RecordVariant Value;
};

// An ordered, 1-based list, as the game's collections are.
template <class T> class Collection {
  public:
    T& Add(std::string name, decltype(T::Value) value) {
        m_items.push_back(T{std::move(name), std::move(value)});
        return m_items.back();
    }
    T& Item(int position) { return m_items.at(static_cast<std::size_t>(position - 1)); }
    const T& Item(int position) const { return m_items.at(static_cast<std::size_t>(position - 1)); }
    int Count() const { return static_cast<int>(m_items.size()); }
    void Remove(int position) { m_items.erase(m_items.begin() + (position - 1)); }
    void Clear() { m_items.clear(); }
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

  private:
    std::vector<T> m_items;
};

using VariablesCollection = Collection<ClassVariable>;
using VariantCollection = Collection<ClassVariableVariant>;

constexpr std::int16_t kNoSuchVariable = -32000;

// The game's variables and hidden hotspots, as the game window holds them.
struct GameVariables {
    VariablesCollection Variables;
    VariantCollection VariablesVariant;
    VariablesCollection Disappear; // Name: frame name, Value: hotspot number
};

// Rebuilds both lists from Config/Variables (names before the first "***" are integer
// variables, names after it variant variables), all starting at 0; then adds the variables the
// loaded plug-ins declare that the project does not have (none when the file failed).
void LoadVariables(ProjectContext& s, GameVariables& variables,
                   const std::vector<std::string>& pluginIntegers = {},
                   const std::vector<std::string>& pluginVariants = {});
// Sets every integer variable of exactly that name; -1 toggles the lowest bit.
void ChangeVariableValue(GameVariables& variables, const std::string& name, std::int16_t newValue);
void ChangeVariableVariantValue(GameVariables& variables, const std::string& name,
                                const RecordVariant& newValue);
// The first integer variable of exactly that name, or -32000.
std::int16_t GetVariableValue(const GameVariables& v, const std::string& name);
// Existence tests compare names without regard to case.
bool DoesIntergerVariableExist(const GameVariables& v, const std::string& name);
bool DoesVariantVariableExist(const GameVariables& v, const std::string& name);
// True when the Disappear list holds (frame, hotspot).
bool IsHotspotGone(const GameVariables& v, const std::string& frame, int hotspot);

} // namespace run
