// Component files: what is refused and why (missing, Windows, not a library, another interface
// version, no entries), registration recorded in the per-user registry and taken back, and an
// entry that never returns within the limit.
#include "run/platform/components/ComponentLibrary.h"
#include "run/platform/components/ComponentRegistry.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace run::platform {
namespace {

namespace fs = std::filesystem;

fs::path Ocx(const std::string& variant) {
    return fs::path(OCX_FOLDER) / (variant + "-component.ocx");
}

std::string OpenError(const fs::path& file) {
    std::string error;
    EXPECT_FALSE(ComponentLibrary::open(file, error)) << file;
    return error;
}

TEST(ComponentLibrary, WhatIsNotAComponentOfOursIsRefusedWithItsReason) {
    const fs::path dir = fs::temp_directory_path() / "component-files";
    fs::create_directories(dir);
    std::ofstream(dir / "windows.ocx", std::ios::binary) << "MZ\x90" << std::string(200, '\0');
    std::ofstream(dir / "text.ocx", std::ios::binary) << "just some text";
    EXPECT_NE(OpenError(dir / "windows.ocx").find("a Windows component cannot run on this system"),
              std::string::npos);
    EXPECT_NE(OpenError(dir / "text.ocx").find("is not a component library"), std::string::npos);
    EXPECT_NE(OpenError(dir / "missing.ocx").find("cannot be found"), std::string::npos);
    EXPECT_NE(OpenError(Ocx("future")).find("version 2 of the component interface"), std::string::npos);

    std::string error;
    auto good = ComponentLibrary::open(Ocx("good"), error);
    ASSERT_TRUE(good) << error;
    EXPECT_EQ(good->abiVersion(), PC_ABI_VERSION);
    EXPECT_NE(good->registerEntry(), nullptr);
    EXPECT_EQ(good->classObjectEntry(), nullptr) << "this one creates no objects";
    EXPECT_NE(RunRegistrationEntry(Ocx("bare"), false).error.find("has no DllRegisterServer entry"),
              std::string::npos);
}

TEST(ComponentLibrary, RegistrationIsRecordedTakenBackAndLimitedInTime) {
    const fs::path file = fs::temp_directory_path() / "component-registry" / "components.ini";
    fs::remove(file);
    RegistrationResult r = RunRegistrationEntry(Ocx("good"), false);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.progIds, (std::vector<std::string>{"Test.Counter", "Test.Other"}));
    {
        ComponentRegistry registry(file);
        EXPECT_EQ(registry.record(r.progIds, Ocx("good")), "");
    }
    ComponentRegistry registry(file); // as saved
    EXPECT_EQ(registry.find("test.counter"), Ocx("good")) << "ProgIDs compare without letter case";
    RegistrationResult un = RunRegistrationEntry(Ocx("good"), true);
    ASSERT_TRUE(un.ok) << un.error;
    EXPECT_EQ(registry.record(un.progIds, Ocx("good"), true), "");
    EXPECT_EQ(ComponentRegistry(file).progIds(), std::vector<std::string>{"Test.Counter"});

    // An entry that takes two seconds is given up after the limit; the caller goes on.
    const auto began = std::chrono::steady_clock::now();
    RegistrationResult slow = RunRegistrationEntry(Ocx("hanging"), false, std::chrono::milliseconds(100));
    EXPECT_FALSE(slow.ok);
    EXPECT_NE(slow.error.find("did not finish within 100 ms"), std::string::npos) << slow.error;
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(1));
}

} // namespace
} // namespace run::platform
