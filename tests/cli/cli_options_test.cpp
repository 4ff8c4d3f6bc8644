// Runs the built korva-cli and checks its exit statuses and messages.
#include <gtest/gtest.h>

#include <string>

#include "support/run_cli.h"

namespace {
using korva::testing::RunCli;

TEST(CliOptions, VersionAndHelp) {
  auto version = RunCli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("korva-cli ", 0), 0u);
  auto help = RunCli("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--set NAME=VALUE"), std::string::npos);
}

TEST(CliOptions, WrongUsageExitsWithTwoAndSaysWhy) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "no command"},
      {"frobnicate", "unknown command \"frobnicate\""},
      {"--set NoSuchControl=1 --version", "no setting named \"NoSuchControl\""},
      {"--set SpinEditShimeiPos=abc --version", "SpinEditShimeiPos needs a whole number"},
      {"--set CheckBoxBindCSS=yes --version", "CheckBoxBindCSS needs 1 or 0"},
      {"--set SpinEditShimeiPos=2000000000 --version", "must be between 10 and 50"},
      {"--set SpinEditShimeiPos=9 --version", "must be between 10 and 50"},
      {"--set RadioGroupCategory=8 --version", "must be between 0 and 7"},
      {"--set RadioGroupCategory --version", "--set needs NAME=VALUE"},
      {"--set", "--set needs a value"},
      {"--input-encoding latin1 --version", "--input-encoding must be"},
  };
  for (const auto& [args, message] : cases) {
    auto result = RunCli(args);
    EXPECT_EQ(result.status, 2) << args;
    EXPECT_NE(result.err.find(message), std::string::npos) << args << "\n" << result.All();
  }
}

}  // namespace
