// A scratch folder per test, removed afterwards, with small file helpers.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "text/path_text.h"

namespace korva::testing {

class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name =
        "korva-settings-" + std::to_string(::getpid()) + "-" + (info ? info->name() : "x");
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as CP932 path text with a trailing separator, as folder settings hold it.
  std::string Folder(const std::string& sub = "") const {
    auto p = sub.empty() ? path_ : path_ / sub;
    std::filesystem::create_directories(p);
    return FromFsPath(p) + "/";
  }
  // Creates a file (and its folders) and returns its CP932 path text.
  std::string File(const std::string& relative, const std::string& bytes = "x") const {
    auto p = path_ / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
    return FromFsPath(p);
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace korva::testing
