// A fresh folder under the system temporary directory, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "session/files.h"
#include "text/path_text.h"

namespace korva::testing {

class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("korva-pub-") + info->test_suite_name() + "-" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // A sub-folder (created) as a folder setting: CP932 text ending with "/".
  std::string Folder(const std::string& sub) const {
    std::filesystem::create_directories(path_ / sub);
    return FromFsPath(path_ / sub) + "/";
  }
  void Write(const std::filesystem::path& relative, const std::string& bytes) const {
    std::filesystem::create_directories((path_ / relative).parent_path());
    std::ofstream(path_ / relative, std::ios::binary) << bytes;
  }
  std::string Read(const std::filesystem::path& relative) const {
    return ReadFileBytes(path_ / relative).bytes;
  }
  bool Exists(const std::filesystem::path& relative) const {
    return std::filesystem::exists(path_ / relative);
  }

 private:
  std::filesystem::path path_;
};

}  // namespace korva::testing
