#include "app/fatal_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "../platform/fatal_error_capture.h"
#include "../platform/gbk_text.h"
#include "app/shell_state.h"

namespace {

using testing_support::Gbk;

struct TextCase {
  const char* name;
  const char* message;  // UTF-8 in the test, GBK for the system; null stays null
  int code;
  std::string expected;  // UTF-8, CR LF line breaks
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class ComposeFatalTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ComposeFatalTextTest, ComposesTheMessageBoxText) {
  const std::string message = GetParam().message != nullptr ? Gbk(GetParam().message) : "";
  const char* argument = GetParam().message != nullptr ? message.c_str() : nullptr;
  EXPECT_EQ(app::ComposeFatalText(argument, GetParam().code), Gbk(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComposeFatalTextTest,
    testing::Values(
        TextCase{"MessageOnly", "分配 40 字节内存失败!", 0, "运行时出错!\r\n\r\n错误信息：分配 40 字节内存失败!\r\n"},
        TextCase{"NeitherMessageNorCode", "", 0, "运行时出错!\r\n\r\n"},
        TextCase{"NullMessage", nullptr, 0, "运行时出错!\r\n\r\n"},
        TextCase{"CodeOnly", "", 5, "运行时出错!\r\n\r\n错误代码：5\r\n\r\n"},
        TextCase{"NegativeCode", nullptr, -3, "运行时出错!\r\n\r\n错误代码：-3\r\n\r\n"},
        TextCase{"CodeAndMessage", "载入启动窗口失败", 1234,
                 "运行时出错!\r\n\r\n错误代码：1234\r\n\r\n错误信息：载入启动窗口失败\r\n"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(FatalError, PresenterGetsTheTextAndTheEndHasBegun) {
  testing_support::ScopedFatalErrorCapture capture;
  ASSERT_FALSE(app::EndHasBegun());
  const std::string message = Gbk("未找到引发事件的窗口");
  try {
    app::FatalError(message.c_str(), 0);
  } catch (const testing_support::FatalErrorRaised& raised) {
    EXPECT_EQ(raised.text, Gbk("运行时出错!\r\n\r\n错误信息：未找到引发事件的窗口\r\n"));
  }
  EXPECT_TRUE(app::EndHasBegun()) << "no event may reach a handler while the box is shown";
}

void WriteCallbackRan() { std::fputs("exit callback ran\n", stderr); }
void WriteFrameworkReleased() { std::fputs("framework released\n", stderr); }

TEST(FatalErrorDeathTest, EndsWithMinusOneWithoutTheExitCallback) {
  EXPECT_EXIT(
      {
        app::SetExitCallback(WriteCallbackRan);
        app::SetFrameworkRelease(WriteFrameworkReleased);
        app::FatalError(Gbk("载入启动窗口失败").c_str(), 0);
      },
      testing::ExitedWithCode(255),
      testing::AllOf(testing::HasSubstr("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"),
                     testing::HasSubstr("framework released"),
                     testing::Not(testing::HasSubstr("exit callback ran"))));
}

void PresentAndReturn(const std::string&) { std::fputs("presented\n", stderr); }

TEST(FatalErrorDeathTest, EndsTheProcessAfterThePresenterReturns) {
  EXPECT_EXIT(
      {
        app::SetFatalErrorPresenter(PresentAndReturn);
        app::FatalError("x", 7);
      },
      testing::ExitedWithCode(255), testing::HasSubstr("presented"));
}

void FailAgainWhilePresenting(const std::string&) {
  std::fputs("first box\n", stderr);
  app::FatalError("second", 0);
}

TEST(FatalErrorDeathTest, ASecondFatalErrorWhileTheFirstIsShownEndsAtOnce) {
  EXPECT_EXIT(
      {
        app::SetFatalErrorPresenter(FailAgainWhilePresenting);
        app::FatalError("first", 0);
      },
      testing::ExitedWithCode(255), testing::HasSubstr("first box\n"));
}

TEST(FatalErrorDeathTest, OutputWaitingInStandardOutputIsWritten) {
  EXPECT_EXIT(
      {
        static char buffer[4096];
        std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
        std::fputs("pending line\n", stdout);  // still in the buffer
        dup2(fileno(stderr), fileno(stdout));   // where the death test can see it
        app::FatalError("", 0);
      },
      testing::ExitedWithCode(255), testing::HasSubstr("pending line"));
}

}  // namespace
