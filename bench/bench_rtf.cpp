// Throughput of the HTML syntax colouring on a generated ~10 MB document.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "text/literal.h"
#include "tools/html_rtf.h"

namespace {

using namespace korva::literals;

// A document shaped like the generated minutes: speaker paragraphs with
// classes and ids, entities, comments and Japanese text, with a fixed seed.
std::string GenerateHtml(std::size_t targetBytes) {
  const std::string speech =
      "ただいまから本日の会議を開きます。議事日程は、お手元に配付のとおりであります。"_sj;
  const std::string speaker = "○議長（山田太郎君）"_sj;
  std::string html =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
      "<title>minutes</title>\r\n</head>\r\n<body>\r\n";
  std::uint32_t seed = 12345;
  int line = 1;
  while (html.size() < targetBytes) {
    seed = seed * 1103515245u + 12345u;
    const std::string id = std::to_string(line++);
    switch ((seed >> 16) % 4) {
      case 0:
        html += "<p class=\"speaker-1\" id=L" + id + "><span class=mark>" + speaker +
                "</span>&nbsp;" + speech + "</p>\r\n";
        break;
      case 1:
        html += "<div class=\"content\">" + speech + " &amp; " + speech + "<br>\r\n";
        break;
      case 2:
        html += "<!-- block " + id + " -->\r\n<a href=\"#L" + id + "\" target=_self>" + speaker +
                "</a>\r\n";
        break;
      default:
        html += "<table border=0 cellpadding=\"2\"><tr><td>{x}\\y&lt;" + speech +
                "</td></tr></table>\r\n";
    }
  }
  return html + "</body>\r\n</html>\r\n";
}

void BM_HtmlToRtf(benchmark::State& state) {
  const std::string html = GenerateHtml(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::string rtf = korva::HtmlToRtf(html);
    benchmark::DoNotOptimize(rtf.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(html.size()));
}
BENCHMARK(BM_HtmlToRtf)->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
