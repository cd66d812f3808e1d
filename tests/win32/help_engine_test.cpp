// Locating, loading and releasing the HTML Help engine, with Wine's own engine
// and with stand-ins registered in the throwaway prefix.

#include <gtest/gtest.h>

#include <functional>

#include "EngineRegistration.h"
#include "hh.h"

namespace {

class HelpEngineTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(HelpEngineModule(), nullptr) << "an earlier test left the engine loaded"; }

  static void ExpectUnloaded() {
    EXPECT_EQ(HelpEngineModule(), nullptr);
    EXPECT_EQ(HtmlHelpA(), nullptr);
    EXPECT_EQ(HtmlHelpW(), nullptr);
    EXPECT_EQ(HtmlHelp(), nullptr);
  }

  static std::string ModulePath(HMODULE module) {
    char path[MAX_PATH * 4] = {};
    GetModuleFileNameA(module, path, sizeof path);
    return path;
  }

  TEngineRegistration registration;
  TEngineLog log;
  TEngineUnloader unloader;
};

template <class TEntry>
void* Address(TEntry entry) {
  return reinterpret_cast<void*>(entry);
}

void* Export(HMODULE module, const char* name) { return reinterpret_cast<void*>(GetProcAddress(module, name)); }

TEST_F(HelpEngineTest, FindsAndLoadsThePlatformsRegisteredEngine) {
  const std::string path = LocateHelpEngine();
  ASSERT_FALSE(path.empty());
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);

  LoadHelpEngine();
  HMODULE module = HelpEngineModule();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(_stricmp(ModulePath(module).c_str(), path.c_str()), 0);
  EXPECT_NE(HtmlHelpA(), nullptr);
  EXPECT_NE(HtmlHelpW(), nullptr);
  EXPECT_EQ(Address(HtmlHelpA()), Export(module, "HtmlHelpA"));
  EXPECT_EQ(Address(HtmlHelpW()), Export(module, "HtmlHelpW"));
  EXPECT_EQ(HtmlHelp(), HtmlHelpA());
}

TEST_F(HelpEngineTest, LoadsOnceAndReleasesTheLibraryOnUnload) {
  registration.SetText(StubEngine());
  EXPECT_EQ(LocateHelpEngine(), StubEngine());

  LoadHelpEngine();
  HMODULE module = HelpEngineModule();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(Address(HtmlHelpA()), Export(module, "HtmlHelpA"));
  EXPECT_EQ(Address(HtmlHelpW()), Export(module, "HtmlHelpW"));
  EXPECT_EQ(HtmlHelp(), HtmlHelpA());
  const THtmlHelpA ansi = HtmlHelpA();
  const THtmlHelpW wide = HtmlHelpW();

  // A second load keeps the engine it has, even if the registration changed,
  // and takes no second reference: one release frees the library.
  registration.SetText(StubEngine("brelix_stub_engine_ansi"));
  LoadHelpEngine();
  EXPECT_EQ(HelpEngineModule(), module);
  EXPECT_EQ(HtmlHelpA(), ansi);
  EXPECT_EQ(HtmlHelpW(), wide);

  UnloadHelpEngine();
  ExpectUnloaded();
  EXPECT_EQ(GetModuleHandleA(StubEngine().c_str()), nullptr);
  EXPECT_EQ(GetModuleHandleA(StubEngine("brelix_stub_engine_ansi").c_str()), nullptr);
  EXPECT_EQ(log.Lines(), std::vector<std::string>{"detach"});

  UnloadHelpEngine();
  ExpectUnloaded();
  EXPECT_EQ(log.Lines().size(), 1u);
}

TEST_F(HelpEngineTest, AMissingExportLeavesOnlyItsEntryNull) {
  registration.SetText(StubEngine("brelix_stub_engine_ansi"));
  LoadHelpEngine();
  ASSERT_NE(HelpEngineModule(), nullptr);
  EXPECT_NE(HtmlHelpA(), nullptr);
  EXPECT_EQ(HtmlHelp(), HtmlHelpA());
  EXPECT_EQ(HtmlHelpW(), nullptr);
  UnloadHelpEngine();

  registration.SetText(StubEngine("brelix_stub_engine_wide"));
  LoadHelpEngine();
  ASSERT_NE(HelpEngineModule(), nullptr);
  EXPECT_EQ(HtmlHelpA(), nullptr);
  EXPECT_EQ(HtmlHelp(), nullptr);
  EXPECT_NE(HtmlHelpW(), nullptr);
}

TEST_F(HelpEngineTest, RegistrationsThatNameNoUsableFileLeaveTheEngineUnloaded) {
  // The expandable path must name the real engine once expanded, or the case
  // would prove nothing.
  const std::string unexpanded = "%SystemRoot%\\system32\\hhctrl.ocx";
  char expanded[MAX_PATH] = {};
  ExpandEnvironmentStringsA(unexpanded.c_str(), expanded, MAX_PATH);
  ASSERT_NE(GetFileAttributesA(expanded), INVALID_FILE_ATTRIBUTES) << expanded;

  const std::string stub = StubEngine();
  const DWORD number = 42;
  struct Case {
    const char* name;
    std::function<void()> setUp;
  };
  const Case cases[] = {
      {"missing key", [&] { registration.RemoveKey(); }},
      {"empty value", [&] { registration.SetText(""); }},
      {"no such file", [&] { registration.SetText(StubEngine("no_such_engine")); }},
      {"a directory", [&] { registration.SetText(TestBinDirectory()); }},
      {"expandable, not expanded", [&] { registration.SetText(unexpanded, REG_EXPAND_SZ); }},
      {"number", [&] { registration.SetDefault(REG_DWORD, &number, sizeof number); }},
      {"binary", [&] { registration.SetDefault(REG_BINARY, stub.c_str(), static_cast<DWORD>(stub.size() + 1)); }},
      {"multi-string", [&] {
         const std::string list = stub + '\0' + '\0';
         registration.SetDefault(REG_MULTI_SZ, list.data(), static_cast<DWORD>(list.size()));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.setUp();
    EXPECT_EQ(LocateHelpEngine(), "");
    LoadHelpEngine();
    ExpectUnloaded();
  }
  EXPECT_TRUE(log.Lines().empty());
}

TEST_F(HelpEngineTest, AFileThatIsNoLibraryIsFoundButNotLoaded) {
  TScratchDirectory scratch("brelix_not_a_library");
  const std::string path = scratch.Path() + "hhctrl.ocx";
  ASSERT_TRUE(WriteTextFile(path, "not a library"));

  registration.SetText(path);
  EXPECT_EQ(LocateHelpEngine(), path);
  LoadHelpEngine();
  ExpectUnloaded();
}

TEST_F(HelpEngineTest, TheValueIsTextUpToItsFirstZeroAndUsedLiterally) {
  const std::string stub = StubEngine();
  // Anything after the first zero is ignored, even when the stored value is
  // longer than a path can be.
  const std::string padded = stub + '\0' + std::string(600, 'x') + '\0';
  registration.SetDefault(REG_SZ, padded.data(), static_cast<DWORD>(padded.size()));
  EXPECT_EQ(LocateHelpEngine(), stub);

  // Stored without its closing zero.
  registration.SetDefault(REG_SZ, stub.data(), static_cast<DWORD>(stub.size()));
  EXPECT_EQ(LocateHelpEngine(), stub);

  // Expandable text without references is a plain path.
  registration.SetText(stub, REG_EXPAND_SZ);
  EXPECT_EQ(LocateHelpEngine(), stub);
  LoadHelpEngine();
  EXPECT_NE(HtmlHelp(), nullptr);
}

TEST_F(HelpEngineTest, ARelativePathLoadsTheFileItNamesNotOneBesideTheProgram) {
  // The same name lies beside the test program, where the library search
  // would look first.
  TScratchDirectory scratch("brelix_relative_engine");
  const std::string copy = scratch.Path() + "brelix_stub_engine.dll";
  ASSERT_TRUE(CopyFileA(StubEngine().c_str(), copy.c_str(), FALSE));
  {
    TCurrentDirectory current(scratch.Path());
    registration.SetText("brelix_stub_engine.dll");
    EXPECT_EQ(LocateHelpEngine(), "brelix_stub_engine.dll");
    LoadHelpEngine();
  }
  ASSERT_NE(HelpEngineModule(), nullptr);
  EXPECT_EQ(_stricmp(ModulePath(HelpEngineModule()).c_str(), copy.c_str()), 0) << ModulePath(HelpEngineModule());
  UnloadHelpEngine();
}

}  // namespace
