// Loading, reading and changing project variables.
#include "run/state/Variables.h"

#include "run/platform/files/TextCodec.h"
#include "run/project/ProjectContext.h"
#include "run/project/record/RecordFile.h"

#include <exception>

namespace run {

void LoadVariables(ProjectContext& s, GameVariables& v, const std::vector<std::string>& pluginIntegers,
                   const std::vector<std::string>& pluginVariants) {
    v.Variables.Clear();
    v.VariablesVariant.Clear();
    try {
        RecordReader r = RecordReader::open(ExistingPath(s.paths.config + "Variables"));
        r.readVariant();
        bool variantSection = false;
        while (!r.atEnd()) {
            std::string name = r.readString();
            if (name == "***") {
                variantSection = true;
            } else if (variantSection) {
                v.VariablesVariant.Add(std::move(name), RecordVariant::number(0));
            } else {
                v.Variables.Add(std::move(name), 0);
            }
        }
    } catch (const std::exception&) {
        s.showErrorBox(" Unable to load variables list.");
        return;
    }
    for (const std::string& name : pluginIntegers)
        if (!DoesIntergerVariableExist(v, name)) v.Variables.Add(name, 0);
    for (const std::string& name : pluginVariants)
        if (!DoesVariantVariableExist(v, name)) v.VariablesVariant.Add(name, RecordVariant::number(0));
}

void ChangeVariableValue(GameVariables& variables, const std::string& name, std::int16_t newValue) {
    for (ClassVariable& var : variables.Variables) {
        if (var.Name != name) continue;
        var.Value = newValue == -1 ? static_cast<std::int16_t>(var.Value ^ 1) : newValue;
    }
}

void ChangeVariableVariantValue(GameVariables& variables, const std::string& name,
                                const RecordVariant& newValue) {
    for (ClassVariableVariant& var : variables.VariablesVariant) {
        if (var.Name == name) var.Value = newValue;
    }
}

std::int16_t GetVariableValue(const GameVariables& v, const std::string& name) {
    for (const ClassVariable& var : v.Variables) {
        if (var.Name == name) return var.Value;
    }
    return kNoSuchVariable;
}

bool DoesIntergerVariableExist(const GameVariables& v, const std::string& name) {
    std::string wanted = platform::LowerCaseWin(name);
    for (const ClassVariable& var : v.Variables) {
        if (platform::LowerCaseWin(var.Name) == wanted) return true;
    }
    return false;
}

bool DoesVariantVariableExist(const GameVariables& v, const std::string& name) {
    std::string wanted = platform::LowerCaseWin(name);
    for (const ClassVariableVariant& var : v.VariablesVariant) {
        if (platform::LowerCaseWin(var.Name) == wanted) return true;
    }
    return false;
}

bool IsHotspotGone(const GameVariables& v, const std::string& frame, int hotspot) {
    for (const ClassVariable& d : v.Disappear) {
        if (d.Name == frame && d.Value == hotspot) return true;
    }
    return false;
}

} // namespace run
