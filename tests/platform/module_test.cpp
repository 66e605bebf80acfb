#include "platform/os/module.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <string>

namespace {

const std::string probePath = VELMAR_PROBE_PATH;

std::string directoryOf(const std::string& path) {
    return path.substr(0, path.find_last_of('/') + 1);
}

TEST(Module, LoadsResolvesAndFreesByFullPath) {
    os::ModuleHandle module = os::loadModule(probePath);
    ASSERT_NE(module, nullptr) << os::lastModuleError();
    auto answer = reinterpret_cast<int (*)()>(os::resolveSymbol(module, "probeAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);

    EXPECT_EQ(os::resolveSymbol(module, "noSuchFunction"), nullptr);
    EXPECT_EQ(os::resolveSymbol(module, ""), nullptr);
    EXPECT_EQ(os::resolveSymbol(module, nullptr), nullptr);
    EXPECT_EQ(os::resolveSymbol(nullptr, "probeAnswer"), nullptr);

    os::freeModule(module);
    // Our reference was the only one: the library is gone.
    EXPECT_EQ(dlopen(probePath.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr);
    os::freeModule(nullptr);
}

TEST(Module, MissingOrInvalidFilesGiveNullWithAReason) {
    EXPECT_EQ(os::loadModule(""), nullptr);
    EXPECT_EQ(os::loadModule(directoryOf(probePath) + "missing.dll"), nullptr);
    EXPECT_NE(os::lastModuleError().find("missing.dll"), std::string::npos);
    // A file that is not a library.
    EXPECT_EQ(os::loadModule(directoryOf(probePath) + "velmar_probe.ini"), nullptr);
}

TEST(Module, OwnDirectoryIsTheModuleThatHoldsTheCodeNotTheWorkingDirectory) {
    const std::string exe = std::filesystem::canonical("/proc/self/exe").string();
    const std::string previous = std::filesystem::current_path().string();
    std::filesystem::current_path("/");
    EXPECT_EQ(ModuleDirectory(), directoryOf(exe));
    EXPECT_EQ(os::moduleFileName(), exe);
    std::filesystem::current_path(previous);

    // The same code linked into a library in another directory answers with
    // that library's directory.
    os::ModuleHandle module = os::loadModule(probePath);
    ASSERT_NE(module, nullptr);
    auto probeDirectory =
        reinterpret_cast<int (*)(char*, int)>(os::resolveSymbol(module, "probeModuleDirectory"));
    ASSERT_NE(probeDirectory, nullptr);
    char buffer[4096];
    ASSERT_GT(probeDirectory(buffer, sizeof buffer), 0);
    EXPECT_EQ(std::string(buffer), directoryOf(probePath));
    EXPECT_NE(std::string(buffer), directoryOf(exe));

    // By name: the file name or the full path of a loaded module.
    const std::string file = probePath.substr(probePath.find_last_of('/') + 1);
    EXPECT_EQ(ModuleDirectory(file), directoryOf(probePath));
    EXPECT_EQ(ModuleDirectory(probePath), directoryOf(probePath));
    EXPECT_EQ(os::moduleFileName(file), probePath);
    os::freeModule(module);

    EXPECT_EQ(ModuleDirectory(file), "");
    EXPECT_EQ(ModuleDirectory("kalksrv-not-loaded.dll"), "");
}

} // namespace
