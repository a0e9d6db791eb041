#pragma once
// The WScript object of the vbs runner: Echo, Arguments, Quit, Sleep,
// CreateObject, the script's name and path, and StdIn / StdOut / StdErr.
#include "../Object.h"
#include "../vbscript.h"

#include <string>
#include <vector>

class WScriptObject final : public vbs::Object {
  public:
    WScriptObject(vbs::Runtime& rt, std::string scriptPath, std::vector<std::string> args);
    std::u16string typeName() const override { return u"Object"; }
    vbs::DispId memberId(std::u16string_view name) override;
    const void* dispatchKey() const override;
    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override;

    bool quit = false;
    int exitCode = 0;

  private:
    bool echo(std::span<vbs::Value> args, vbs::HostError& err);
    bool sleep(std::span<vbs::Value> args, vbs::HostError& err);

    vbs::Runtime& m_rt;
    std::string m_path;
    vbs::Value m_args, m_stdIn, m_stdOut, m_stdErr;
};
