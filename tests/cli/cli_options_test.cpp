// Runs the built korva-cli and checks its exit statuses and messages.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <string>

namespace {

struct RunResult {
  int status;
  std::string output;  // stdout and stderr together
};

RunResult RunCli(const std::string& args) {
  const std::string command = std::string(KORVA_CLI_PATH) + " " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer{};
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
  const int raw = pclose(pipe);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, output};
}

TEST(CliOptions, VersionAndHelp) {
  auto version = RunCli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output.rfind("korva-cli ", 0), 0u);
  auto help = RunCli("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--set NAME=VALUE"), std::string::npos);
}

TEST(CliOptions, WrongUsageExitsWithTwoAndSaysWhy) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "no command"},
      {"frobnicate", "unknown command \"frobnicate\""},
      {"--set NoSuchControl=1 --version", "no setting named \"NoSuchControl\""},
      {"--set SpinEditShimeiPos=abc --version", "SpinEditShimeiPos needs a whole number"},
      {"--set CheckBoxBindCSS=yes --version", "CheckBoxBindCSS needs 1 or 0"},
      {"--set SpinEditShimeiPos=2000000000 --version", "must be between 0 and 999"},
      {"--set RadioGroupCategory=8 --version", "must be between 0 and 7"},
      {"--set RadioGroupCategory --version", "--set needs NAME=VALUE"},
      {"--set", "--set needs a value"},
      {"--input-encoding latin1 --version", "--input-encoding must be"},
  };
  for (const auto& [args, message] : cases) {
    auto result = RunCli(args);
    EXPECT_EQ(result.status, 2) << args;
    EXPECT_NE(result.output.find(message), std::string::npos) << args << "\n" << result.output;
  }
}

}  // namespace
