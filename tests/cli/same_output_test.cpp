// The Windows build must give what the Linux build gives, byte for byte, and
// take Japanese file and folder names. The checksums below are those of the
// Linux build's outputs; the same test run under wine compares against them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "text/path_text.h"
#include "tools/rtf_syntax.h"

namespace korva {
namespace {
namespace fs = std::filesystem;
using testing::CliRun;
using testing::RunCli;
using testing::ShellQuote;
using testing::TempFolder;

// FNV-1a, 64 bits: enough to tell outputs apart, and the same everywhere.
std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash = 0xcbf29ce484222325ull) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ull;
  }
  return hash;
}

// Every file under `folder`, in name order, as "relative name" + bytes.
std::string FolderContents(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::string all;
  for (const fs::path& file : files) {
    std::string name = Utf8FromPath(fs::relative(file, folder));
    std::replace(name.begin(), name.end(), '\\', '/');
    all += name + '\n';
    all += ReadFileBytes(file).bytes;
  }
  return all;
}

std::string Stdout(const std::string& args) {
  const CliRun run = RunCli(args);
  EXPECT_EQ(run.status, 0) << args << '\n' << run.err;
  return run.out;
}

TEST(SameOutput, TheRealMinutesGiveTheOutputsOfTheLinuxBuild) {
  const struct {
    const char* file;
    std::uint64_t table, check, unwrap, convert, colorize, publish;
  } cases[] = {
      {"01_hirosaki_city_plenary_2023-02-17.txt", 0xfeae7fbedf91462eull, 0x542d5fd4ba60080full,
       0xe93052a0825df5b1ull, 0x4ff1b977cf36640dull, 0xca92d9c436958cadull, 0xbb5afe1ba50731aeull},
      {"02_katsushika_ward_plenary_2025-02-14.txt", 0x8030df71f71dd089ull, 0xace9beaafe2b6ef3ull,
       0xb532737835203616ull, 0xed5fe425049e6f87ull, 0x45c22f6fc52d3c33ull, 0x923f741c9d949924ull},
      {"04_hakodate_city_plenary_2024-02-22.txt", 0x3b307a06d3a91b47ull, 0xb272606164d5c85bull,
       0xf0ffdabf3b41ea76ull, 0x9ee73bb772866359ull, 0x474be9d95503c5daull, 0xfe58339fe96abe8ull},
      {"07_otofuke_town_plenary_2024-12-17.txt", 0x44e029f3ce88a1fdull, 0xeb42f704d45f33cfull,
       0x8d9939de041d9d9dull, 0xea909190b325a6eull, 0xbaecf768b2707300ull, 0xad65d512271f49f0ull},
      {"08_diet_shugiin_plenary_2024-11-11.txt", 0xd3de6817560b21edull, 0xb3b5a33369f03adaull,
       0xd6bf2289b48a35b8ull, 0xc5a4a3a2623a998eull, 0x1811ee39a37af8aeull, 0xa3ee20a812307fe0ull},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TempFolder temp;
    const fs::path minutes = temp.path() / c.file;
    fs::copy_file(PathFromUtf8(std::string(KORVA_SOURCE_DIR) + "/tests/data/corpus/" + c.file),
                  minutes);
    const std::string in = ShellQuote(minutes);
    // check names the file as it was given; that part differs by system.
    std::string check = Stdout("check " + in);
    const std::string given = Utf8FromPath(minutes.lexically_normal().make_preferred());
    for (auto at = check.find(given); at != std::string::npos; at = check.find(given))
      check.replace(at, given.size(), "MINUTES");
    Stdout("convert " + in + " --out " + ShellQuote(temp.path() / "doc"));
    Stdout("publish " + in + " --out " + ShellQuote(temp.path() / "local") + " --web " +
           ShellQuote(temp.path() / "web"));
    const fs::path html = fs::path(temp.path() / "doc" / minutes.stem()).replace_extension(".html");
    // The RTF names the system's own Japanese monospace font; the rest is the same.
    std::string rtf = Stdout("colorize " + ShellQuote(html));
    const std::string font = kJapaneseMonospaceFont;
    if (const auto at = rtf.find(font); at != std::string::npos)
      rtf.replace(at, font.size(), "FONT");
    const struct {
      const char* what;
      std::string bytes;
      std::uint64_t expected;
    } outputs[] = {
        {"table", Stdout("table " + in), c.table},
        {"check", check, c.check},
        {"unwrap", Stdout("unwrap " + in), c.unwrap},
        {"convert", FolderContents(temp.path() / "doc"), c.convert},
        {"colorize", rtf, c.colorize},
        {"publish", FolderContents(temp.path() / "local") + FolderContents(temp.path() / "web"),
         c.publish},
    };
    for (const auto& o : outputs) {
      EXPECT_EQ(Fnv1a(o.bytes), o.expected)
          << o.what << " (" << o.bytes.size() << " bytes), actual 0x" << std::hex << Fnv1a(o.bytes);
    }
  }
}

// Minutes in a folder named in Japanese, under a Japanese file name, go out
// into folders named in Japanese, under the Japanese HTML name.
TEST(SameOutput, JapaneseFileAndFolderNamesWork) {
  TempFolder temp;
  const fs::path folder = temp.path() / PathFromUtf8("議事録　令和６年");
  fs::create_directories(folder);
  const fs::path minutes = folder / PathFromUtf8("第１回定例会@本会議.txt");
  fs::copy_file(PathFromUtf8(std::string(KORVA_SOURCE_DIR) + "/tests/data/corpus/" +
                             "01_hirosaki_city_plenary_2023-02-17.txt"),
                minutes);
  const fs::path doc = temp.path() / PathFromUtf8("変換結果");
  const fs::path local = temp.path() / PathFromUtf8("公開用");
  const fs::path web = temp.path() / PathFromUtf8("ウェブ");
  for (const std::string& args : {"check " + ShellQuote(minutes),
                                  "convert " + ShellQuote(minutes) + " --out " + ShellQuote(doc),
                                  "publish " + ShellQuote(minutes) + " --out " + ShellQuote(local) +
                                      " --web " + ShellQuote(web)}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 0) << args << '\n' << run.All();
  }
  for (const fs::path& written :
       {doc / PathFromUtf8("本会議.html"), local / PathFromUtf8("本会議-n.html"),
        local / PathFromUtf8("本会議-v.html"), local / PathFromUtf8("本会議-h.html"),
        web / PathFromUtf8("本会議-h.html")}) {
    EXPECT_TRUE(fs::is_regular_file(written)) << Utf8FromPath(written);
  }
}

}  // namespace
}  // namespace korva
