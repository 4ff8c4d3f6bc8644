// A scratch folder per test, removed afterwards, with small file helpers.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/processes.h"
#include "session/files.h"
#include "text/literal.h"
#include "text/path_text.h"

namespace korva::testing {

class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "korva-test-" + std::to_string(platform::CurrentProcessId()) + "-" +
                       (info ? std::string(info->test_suite_name()) + "-" + info->name() : "x");
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    // A test may have taken the write bits away; give them back so the folder goes.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // A name inside the folder: UTF-8 text (never read in the ANSI code page)
  // or a path.
  struct Name {
    Name(const char* utf8) : path(PathFromUtf8(utf8)) {}
    Name(const std::string& utf8) : path(PathFromUtf8(utf8)) {}
    Name(std::filesystem::path p) : path(std::move(p)) {}
    std::filesystem::path path;
  };

  // A sub-folder (created) as folder settings hold it: CP932 path text ending
  // with the system's separator.
  std::string Folder(const Name& sub = Name("")) const {
    const auto p = sub.path.empty() ? path_ : path_ / sub.path;
    std::filesystem::create_directories(p);
    return IncludeTrailingSeparator(FromFsPath(p));
  }
  // Creates a file (and its folders) and returns its CP932 path text.
  std::string File(const Name& relative, const std::string& bytes = "x") const {
    Write(relative, bytes);
    return FromFsPath(path_ / relative.path);
  }
  void Write(const Name& relative, const std::string& bytes) const {
    std::filesystem::create_directories((path_ / relative.path).parent_path());
    std::ofstream(path_ / relative.path, std::ios::binary) << bytes;
  }
  // Writes UTF-8 lines as a CP932 minutes file with CR LF breaks; gives its path.
  std::filesystem::path WriteMinutes(const Name& relative,
                                     const std::vector<std::string>& utf8Lines) const {
    std::string bytes;
    for (const std::string& line : utf8Lines) bytes += Sj(line) + "\r\n";
    Write(relative, bytes);
    return path_ / relative.path;
  }
  std::string Read(const Name& relative) const {
    return ReadFileBytes(path_ / relative.path).bytes;
  }
  bool Exists(const Name& relative) const { return std::filesystem::exists(path_ / relative.path); }

 private:
  std::filesystem::path path_;
};

inline std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace korva::testing
