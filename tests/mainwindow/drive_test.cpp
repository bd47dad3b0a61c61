// shopassist-drive as a process: its protocol, the exit codes of the orderly end and of the fatal
// paths of start-up.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "description_variants.h"
#include "drive_process.h"
#include "ui/description/built_in_description.h"

namespace mainwindow_test {
namespace {

std::string Last(const DriveResult& r) { return r.lines.empty() ? std::string() : r.lines.back(); }

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct EndCase {
  const char* name;
  std::string script;
};

class OrderlyEnd : public testing::TestWithParam<EndCase> {};

TEST_P(OrderlyEnd, ExitsWithZero) {
  const DriveResult r = RunDrive({}, GetParam().script);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Last(r), "exit 0");
}

INSTANTIATE_TEST_SUITE_P(Ways, OrderlyEnd,
                         testing::Values(EndCase{"Esc", "key Esc\nfocus\n"}, EndCase{"Close", "close\n"},
                                         EndCase{"EndOfInput", "focus\n"},
                                         EndCase{"EscOnPageThree", "header 3\nclick 选择框4\nkey Esc\n"},
                                         EndCase{"EscInTheKeywordBox", "type abc\nkey Esc\n"}),
                         [](const testing::TestParamInfo<EndCase>& info) { return info.param.name; });

TEST(Drive, InputAfterTheWindowClosedIsNotRead) {
  const DriveResult r = RunDrive({}, "key Esc\nfocus\npage\n");
  EXPECT_EQ(r.lines, (std::vector<std::string>{"exit 0"}));
}

TEST(Drive, AnswersQueries) {
  const DriveResult r = RunDrive({}, "focus\npage\ntype 手机 壳\nread 编辑框1\nread 选择框1\nread 选择框2\n"
                                     "key Tab\nfocus\nheader 2\npage\nfocus\nclose\n");
  EXPECT_EQ(r.lines, (std::vector<std::string>{"focus 编辑框1", "page 1", "编辑框1=手机 壳", "选择框1=1", "选择框2=0",
                                                "focus 按钮2", "page 2", "focus 按钮6", "exit 0"}));
  EXPECT_EQ(r.status, 0);
}

TEST(Drive, ClickOnAHiddenControlIsAnError) {
  const DriveResult r = RunDrive({}, "click 按钮3\nclose\n");
  EXPECT_EQ(r.lines, (std::vector<std::string>{"error 按钮3 is not shown", "exit 0"}));
}

TEST(Drive, EnterTwiceOpensTheSearchWithTheKeywordsInTheirCodePage) {
  const DriveResult r = RunDrive({}, "type 手机\nkey Enter\nfocus\nkey Enter\nclose\n");
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_EQ(r.lines[0], "focus 按钮2");
  EXPECT_EQ(r.lines[1].rfind("open http", 0), 0u) << r.lines[1];
  const std::string tail = "&q=%CA%D6%BB%FA";
  EXPECT_EQ(r.lines[1].substr(r.lines[1].size() - tail.size()), tail) << r.lines[1];
}

// The hint, in screen coordinates: the window's client area starts at (192 + 5, 159 + 24).
TEST(Drive, HintOnTheVirtualClock) {
  const DriveResult r = RunDrive({}, "move 300 20\nwait 200\nhint\nwait 300\nhint\nmove 301 20\nhint\nclose\n");
  EXPECT_EQ(r.lines, (std::vector<std::string>{"hint none", "hint 京东新蛋 497 224", "hint none", "exit 0"}));
}

TEST(Drive, ScreenSizeMovesTheWindow) {
  const DriveResult r = RunDrive({"--screen", "800x600"}, "move 300 20\nwait 500\nhint\nclose\n");
  EXPECT_EQ(r.lines, (std::vector<std::string>{"hint 京东新蛋 385 140", "exit 0"}));
}

TEST(Drive, ShotWritesTheClientArea) {
  const std::string path = TemporaryPath("shot.png");
  std::remove(path.c_str());
  const DriveResult r = RunDrive({}, "shot " + path + "\nclose\n");
  EXPECT_EQ(r.status, 0);
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GE(png.size(), 24u);
  auto be32 = [&](std::size_t at) { return (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3]; };
  EXPECT_EQ(be32(16), 630);
  EXPECT_EQ(be32(20), 421);
}

TEST(Drive, FailedShellFallsBackToTheRegisteredBrowser) {
  const DriveResult r = RunDrive({"--shell", "fail", "--registry", ".htm=web.desktop", "--registry",
                                  "web.desktop\\shell\\open\\command=browser \"%1\""},
                                 "click 超级链接框1\nclose\n");
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_EQ(r.lines[0].rfind("openlink http", 0), 0u) << r.lines[0];
  EXPECT_EQ(r.lines[1].rfind("exec browser", 0), 0u) << r.lines[1];
  EXPECT_EQ(r.lines[2], "exit 0");
}

TEST(Drive, WritesTheBuiltInDescription) {
  const std::string path = TemporaryPath("built_in.bin");
  const DriveResult r = RunDrive({"--write-description", path}, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.lines.empty());
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto built_in = ui::description::BuiltInDescription();
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), built_in.begin(), built_in.end()));
}

TEST(Drive, LoadsAGivenDescription) {
  const std::string path = TemporaryPath("same.bin");
  const auto built_in = ui::description::BuiltInDescription();
  WriteBytes(path, std::vector<std::uint8_t>(built_in.begin(), built_in.end()));
  const DriveResult r = RunDrive({"--description", path}, "focus\n");
  EXPECT_EQ(r.lines, (std::vector<std::string>{"focus 编辑框1", "exit 0"}));
}

// "运行时出错!", two line breaks, "错误信息：", the message and one line break.
std::string FatalLine(const std::string& message) { return "fatal 运行时出错!\\n\\n错误信息：" + message + "\\n"; }

const char kUnreadable[] = "载入窗口模板数据段出错!";
const char kNotBuilt[] = "载入启动窗口失败";

struct FatalCase {
  const char* name;
  std::vector<std::uint8_t> (*bytes)();
  const char* message;
};

const FatalCase kFatalCases[] = {
    {"Empty", [] { return std::vector<std::uint8_t>{}; }, kUnreadable},
    {"CutShort",
     [] {
       const auto b = ui::description::BuiltInDescription();
       return std::vector<std::uint8_t>(b.begin(), b.begin() + b.size() / 2);
     },
     kUnreadable},
    {"WindowVersion7", [] { return WithVersion("", 7); }, kNotBuilt},
    {"PictureBoxVersion3", [] { return WithVersion("图片框1", 3); }, kNotBuilt},
    {"EditBoxVersion3", [] { return WithVersion("编辑框3", 3); }, kNotBuilt},
};

class FatalStart : public testing::TestWithParam<FatalCase> {};

TEST_P(FatalStart, ShowsTheMessageAndExitsWithMinusOne) {
  const std::string path = TemporaryPath(std::string(GetParam().name) + ".bin");
  WriteBytes(path, GetParam().bytes());
  const DriveResult r = RunDrive({"--description", path}, "focus\n");
  EXPECT_EQ(r.lines, (std::vector<std::string>{FatalLine(GetParam().message), "exit -1"}));
  EXPECT_EQ(r.status, 255);
}

INSTANTIATE_TEST_SUITE_P(Descriptions, FatalStart, testing::ValuesIn(kFatalCases),
                         [](const testing::TestParamInfo<FatalCase>& info) { return info.param.name; });

TEST(Drive, MissingDescriptionFileIsUnreadable) {
  const DriveResult r = RunDrive({"--description", TemporaryPath("does-not-exist.bin")}, "");
  EXPECT_EQ(r.lines, (std::vector<std::string>{FatalLine(kUnreadable), "exit -1"}));
  EXPECT_EQ(r.status, 255);
}

// The tab control reads data of any version, taking the fields its version has.
TEST(Drive, TabControlOfAHigherVersionStillLoads) {
  const std::string path = TemporaryPath("tab_version_9.bin");
  WriteBytes(path, WithVersion("高级选择夹1", 9));
  const DriveResult r = RunDrive({"--description", path}, "focus\npage\n");
  EXPECT_EQ(r.lines, (std::vector<std::string>{"focus 编辑框1", "page 1", "exit 0"}));
}

}  // namespace
}  // namespace mainwindow_test
