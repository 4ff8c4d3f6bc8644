#include "minutes_generator.h"

#include <random>
#include <string_view>
#include <vector>

#include "text/literal.h"

namespace korva::bench {

namespace {

std::string Zenkaku(std::size_t n) {
  static constexpr std::string_view kDigits[] = {"０", "１", "２", "３", "４",
                                                 "５", "６", "７", "８", "９"};
  std::string digits = std::to_string(n);
  std::string out;
  for (char c : digits) out += kDigits[c - '0'];
  return out;
}

class Generator {
 public:
  explicit Generator(std::uint32_t seed) : rng_(seed) {}

  std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }

  std::string Sentence() {
    static constexpr std::string_view kPhrases[] = {
        "ただいまの質問にお答えいたします",
        "本市の財政状況は依然として厳しいものがございますが",
        "地域の皆様の御意見を十分に伺いながら",
        "関係機関と連携し、早急に対策を講じてまいります",
        "令和６年度の予算編成に当たりましては",
        "子育て支援の充実を図るため",
        "道路の維持補修につきましては、計画的に実施しており",
        "防災体制の強化は喫緊の課題であると認識しております",
        "議員御指摘のとおり",
        "今後とも市民の安全・安心の確保に努めてまいりたいと考えております",
        "教育環境の整備について伺います",
        "高齢者福祉の施策について、市長の見解をお聞きします"};
    std::string out;
    const std::size_t parts = 1 + Pick(3);
    for (std::size_t i = 0; i < parts; ++i) {
      out += kPhrases[Pick(std::size(kPhrases))];
      out += i + 1 < parts ? "、" : "。";
    }
    return out;
  }

  std::string Speaker() {
    static constexpr std::string_view kSpeakers[] = {
        "○議長（山田太郎君）",     "○副議長（鈴木花子君）",       "○市長（佐藤一郎君）",
        "○副市長（高橋次郎君）",   "○教育長（田中三郎君）",       "○総務部長（伊藤四郎君）",
        "○建設部長（渡辺五郎君）", "○１番（小林さくら君）",       "○１２番（加藤健一君）",
        "○２０番（吉田誠君）",     "○議会運営委員長（山本勇君）", "○監査委員（中村正君）",
        "◎市長（佐藤一郎君）",     "◇福祉課長（松本明君）",       "◆１５番（井上愛君）",
        "○参考人（木村光君）"};
    return std::string(kSpeakers[Pick(std::size(kSpeakers))]);
  }

  // One event of the proceedings, as lines; at most `room` lines.
  std::vector<std::string> Event(std::size_t room) {
    const std::size_t roll = Pick(100);
    if (roll < 35 || room < 5) {
      if (roll % 3 == 0) return {"　" + Sentence() + Sentence()};
      return {Speaker() + "　" + Sentence()};
    }
    if (roll < 55) return {"　" + Sentence(), "　" + Sentence() + Sentence()};
    if (roll < 62) return {"〔「異議なし」と呼ぶ者あり〕"};
    if (roll < 65) return {"（拍手）"};
    if (roll < 68) return {"〔発言する者あり", "　議場騒然", "〕"};
    if (roll < 75) {
      ++agenda_;
      return {"",
              "日程第" + Zenkaku(agenda_) + "　議案第" + Zenkaku(agenda_ + 10) +
                  "号　市税条例の一部を改正する条例の制定について",
              ""};
    }
    if (roll < 80) {
      return {"【【", "　第" + Zenkaku(1 + Pick(20)) + "条　この条例は、公布の日から施行する。",
              "　　２　前項の規定にかかわらず、" + Sentence(), "】】"};
    }
    if (roll < 85) {
      return {"「「", "議案第" + Zenkaku(1 + Pick(90)) + "号　令和６年度一般会計補正予算",
              "議案第" + Zenkaku(1 + Pick(90)) + "号　指定管理者の指定について", "」」"};
    }
    if (roll < 88) {
      return {"　　　午前１１時５８分休憩", "", "　　　午後１時　再開"};
    }
    if (roll < 92) return {"―――――――――――――――――"};
    return {"○議長（山田太郎君）", "　" + Sentence()};
  }

 private:
  std::mt19937 rng_;
  std::size_t agenda_ = 0;
};

}  // namespace

std::string GenerateMinutes(std::size_t lineCount, std::uint32_t seed) {
  Generator gen(seed);
  const std::vector<std::string> header = {"令和６年第１回定例会会議録（第２号）",
                                           "",
                                           "令和６年３月４日（月曜日）",
                                           "　　議事日程（第２号）",
                                           "｛｛",
                                           "出席議員（２０名）",
                                           "議長　山田太郎／副議長　鈴木花子",
                                           "１番　小林さくら／１２番　加藤健一",
                                           "説明のため出席した者",
                                           "市長　佐藤一郎／副市長　高橋次郎",
                                           "総務課",
                                           "｝｝",
                                           "―――――――――――――――――",
                                           "■午前１０時開議"};
  const std::vector<std::string> closing = {
      "○議長（山田太郎君）　以上で本日の日程は全部終了いたしました。",
      "　本日はこれにて散会いたします。", "　　　午後４時３２分散会", "■",
      "　地方自治法第１２３条第２項の規定により署名する。", "　　議長　山田太郎",
      // An editor's note opens the footer, so it only comes after the proceedings.
      "。。編集者の覚え書き"};

  std::vector<std::string> lines;
  lines.reserve(lineCount);
  for (const auto& line : header) {
    if (lines.size() < lineCount) lines.push_back(line);
  }
  const std::size_t bodyEnd =
      lineCount > lines.size() + closing.size() ? lineCount - closing.size() : lines.size();
  while (lines.size() < bodyEnd) {
    for (auto& line : gen.Event(bodyEnd - lines.size())) lines.push_back(std::move(line));
  }
  for (const auto& line : closing) {
    if (lines.size() < lineCount) lines.push_back(line);
  }

  std::string utf8;
  for (const auto& line : lines) utf8.append(line).append("\r\n");
  return Sj(utf8);
}

}  // namespace korva::bench
