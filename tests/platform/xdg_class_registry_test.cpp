#include "platform/xdg_class_registry.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

using platform::ExecToCommandLine;
using platform::FindDefaultWebPageHandler;
using platform::ReadXdgClassDefault;

// The XDG folders all point into a temporary tree:
//   config/          XDG_CONFIG_HOME      sysconfig/  XDG_CONFIG_DIRS
//   data/            XDG_DATA_HOME        sysdata/    XDG_DATA_DIRS
class XdgClassRegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string root = folder_.path().string();
    environment_.Set("HOME", root + "/home");
    environment_.Set("XDG_CONFIG_HOME", root + "/config");
    environment_.Set("XDG_CONFIG_DIRS", root + "/sysconfig");
    environment_.Set("XDG_DATA_HOME", root + "/data");
    environment_.Set("XDG_DATA_DIRS", root + "/sysdata");
    environment_.Unset("XDG_CURRENT_DESKTOP");
  }

  void Install(const std::string& relative_to_applications, const std::string& exec,
               const std::string& data = "sysdata") {
    folder_.Write(data + "/applications/" + relative_to_applications,
                  "[Desktop Entry]\nType=Application\nName=Browser\nExec=" + exec + "\n");
  }
  void Associate(const std::string& file, const std::string& handlers) {
    folder_.Write(file, "[Added Associations]\ntext/html=added.desktop;\n\n[Default Applications]\n"
                        "text/plain=plain.desktop\ntext/html=" + handlers + "\n");
  }
  std::string Read(const std::string& key) {
    std::string value;
    return ReadXdgClassDefault(key, &value) ? value : "<fails>";
  }

  testing_support::TempFolder folder_;
  testing_support::ScopedEnvironment environment_;
};

TEST_F(XdgClassRegistryTest, WebPageClassIsTheDefaultHtmlHandler) {
  Install("web.desktop", "web %u");
  Associate("config/mimeapps.list", "web.desktop;");
  EXPECT_EQ(Read(".htm"), "web.desktop");
  EXPECT_EQ(Read(".HTM"), "web.desktop") << "keys are compared without regard to case";
}

TEST_F(XdgClassRegistryTest, NoAssociationFails) {
  Install("web.desktop", "web %u");
  EXPECT_EQ(Read(".htm"), "<fails>");
}

TEST_F(XdgClassRegistryTest, HandlerThatIsNotInstalledIsSkipped) {
  Install("second.desktop", "second %u");
  Associate("config/mimeapps.list", "missing.desktop;second.desktop;");
  EXPECT_EQ(Read(".htm"), "second.desktop");
}

TEST_F(XdgClassRegistryTest, UserConfigurationWinsOverSystemAndDataFolders) {
  for (const char* id : {"user.desktop", "system.desktop", "data.desktop"}) Install(id, "b %u");
  Associate("sysdata/applications/mimeapps.list", "data.desktop");
  EXPECT_EQ(FindDefaultWebPageHandler(), "data.desktop");
  Associate("sysconfig/mimeapps.list", "system.desktop");
  EXPECT_EQ(FindDefaultWebPageHandler(), "system.desktop");
  Associate("config/mimeapps.list", "user.desktop");
  EXPECT_EQ(FindDefaultWebPageHandler(), "user.desktop");
}

TEST_F(XdgClassRegistryTest, DesktopSpecificListWinsInTheSameFolder) {
  Install("plain.desktop", "b %u");
  Install("gnome.desktop", "g %u");
  Associate("config/mimeapps.list", "plain.desktop");
  Associate("config/gnome-mimeapps.list", "gnome.desktop");
  EXPECT_EQ(FindDefaultWebPageHandler(), "plain.desktop");
  environment_.Set("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
  EXPECT_EQ(FindDefaultWebPageHandler(), "gnome.desktop");
}

TEST_F(XdgClassRegistryTest, OlderDefaultsListIsReadLast) {
  Install("old.desktop", "old %u");
  folder_.Write("sysdata/applications/defaults.list", "[Default Applications]\ntext/html=old.desktop\n");
  EXPECT_EQ(FindDefaultWebPageHandler(), "old.desktop");
}

TEST_F(XdgClassRegistryTest, OpenCommandIsTheExecLineWithThePlaceholder) {
  Install("web.desktop", "/usr/bin/web --new-window %u");
  EXPECT_EQ(Read("web.desktop\\shell\\open\\command"), "/usr/bin/web --new-window \"%1\"");
  EXPECT_EQ(Read("WEB.desktop\\Shell\\Open\\Command"), "<fails>") << "desktop ids are file names";
  EXPECT_EQ(Read("web.desktop\\SHELL\\open\\COMMAND"), "/usr/bin/web --new-window \"%1\"");
}

TEST_F(XdgClassRegistryTest, EntryInAVendorSubfolderIsFoundByItsId) {
  Install("vendor/web.desktop", "vendor-web %u", "data");
  EXPECT_EQ(Read("vendor-web.desktop\\shell\\open\\command"), "vendor-web \"%1\"");
}

TEST_F(XdgClassRegistryTest, UserDataFolderWinsOverSystemDataFolder) {
  Install("web.desktop", "system %u");
  Install("web.desktop", "user %u", "data");
  EXPECT_EQ(Read("web.desktop\\shell\\open\\command"), "user \"%1\"");
}

TEST_F(XdgClassRegistryTest, UnknownKeysAndMissingEntriesFail) {
  folder_.Write("sysdata/applications/noexec.desktop", "[Desktop Entry]\nName=x\n");
  folder_.Write("sysdata/applications/othergroup.desktop", "[Desktop Action new]\nExec=x %u\n");
  EXPECT_EQ(Read("noexec.desktop\\shell\\open\\command"), "<fails>");
  EXPECT_EQ(Read("othergroup.desktop\\shell\\open\\command"), "<fails>");
  EXPECT_EQ(Read("absent.desktop\\shell\\open\\command"), "<fails>");
  EXPECT_EQ(Read("\\shell\\open\\command"), "<fails>");
  EXPECT_EQ(Read(".html"), "<fails>");
  EXPECT_EQ(Read("web.desktop\\shell\\edit\\command"), "<fails>");
  EXPECT_EQ(Read("../web.desktop\\shell\\open\\command"), "<fails>");
}

TEST_F(XdgClassRegistryTest, GeneralEscapesOfTheFileAreResolved) {
  // In the file, \s is a space and \\ one backslash; the Exec quoting then applies.
  folder_.Write("sysdata/applications/esc.desktop",
                "[Desktop Entry]\nExec=\"/opt/my\\sapp/b\" --dir=\"a\\\\\\\\b\" %u\n");
  EXPECT_EQ(Read("esc.desktop\\shell\\open\\command"), "\"/opt/my app/b\" --dir=a\\b \"%1\"");
}

struct ExecCase {
  const char* name;
  std::string exec;
  std::string expected;
};

void PrintTo(const ExecCase& c, std::ostream* os) { *os << c.name; }

class ExecToCommandLineTest : public testing::TestWithParam<ExecCase> {};

TEST_P(ExecToCommandLineTest, Converts) { EXPECT_EQ(ExecToCommandLine(GetParam().exec), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ExecToCommandLineTest,
    testing::Values(
        ExecCase{"SingleUrl", "firefox %u", "firefox \"%1\""},
        ExecCase{"UrlList", "firefox %U", "firefox \"%1\""},
        ExecCase{"SingleFile", "b %f", "b \"%1\""},
        ExecCase{"FileList", "b %F", "b \"%1\""},
        ExecCase{"ArgumentsAfterThePlaceholderStay", "b %u --x", "b \"%1\" --x"},
        ExecCase{"OtherFieldCodesDropped", "b %i %c %k %u", "b \"%1\""},
        ExecCase{"DeprecatedFieldCodesDropped", "b %d %D %n %N %v %m %U", "b \"%1\""},
        ExecCase{"FieldCodeInsideAWord", "b --url=%u", "b --url=\"%1\""},
        ExecCase{"DroppedCodeInsideAWordLeavesTheRest", "b --class=%c %u", "b --class= \"%1\""},
        ExecCase{"PercentPercentIsAPercent", "b 100%% %u", "b 100% \"%1\""},
        ExecCase{"NoFieldCode", "b --new", "b --new"},
        ExecCase{"QuotedProgramWithSpace", "\"/opt/my app/b\" %u", "\"/opt/my app/b\" \"%1\""},
        ExecCase{"QuotedEscapes", "b \"say \\\"hi\\\" \\$HOME \\`x\\` \\\\\" %u",
                 "b \"say \\\"hi\\\" $HOME `x` \\\\\" \"%1\""},
        ExecCase{"EmptyQuotedArgumentKept", "b \"\" %u", "b \"\" \"%1\""},
        ExecCase{"BackslashBeforePlaceholderCannotEscapeIt", "b a\\%u", "b \"a\\\\\"\"%1\""},
        ExecCase{"ExtraBlanks", "  b   %u  ", "b \"%1\""},
        ExecCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<ExecCase>& info) { return std::string(info.param.name); });

}  // namespace
