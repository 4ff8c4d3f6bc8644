#include "tools/html_names.h"

#include <vector>

namespace korva {

namespace {

constexpr std::string_view kTagNames[] = {
    "A",         "B",           "DD",        "I",         "H1",        "H2",        "H3",
    "H4",        "H5",          "H6",        "DL",        "P",         "KBD",       "Q",
    "BIG",       "EM",          "HEAD",      "S",         "BR",        "DEL",       "LI",
    "U",         "ABBR",        "DFN",       "DT",        "TD",        "AREA",      "HR",
    "BASE",      "CODE",        "OL",        "TH",        "EMBED",     "IMG",       "COL",
    "MAP",       "DIR",         "LABEL",     "UL",        "DIV",       "CITE",      "THEAD",
    "TR",        "META",        "PRE",       "TABLE",     "TT",        "VAR",       "INS",
    "SUB",       "FRAME",       "WBR",       "BODY",      "LINK",      "LEGEND",    "BLINK",
    "NOBR",      "PARAM",       "SAMP",      "SPAN",      "FORM",      "IFRAME",    "HTML",
    "MENU",      "XMP",         "FONT",      "OBJECT",    "SUP",       "SMALL",     "NOEMBED",
    "LAYER",     "SPACER",      "SELECT",    "CENTER",    "TBODY",     "TITLE",     "KEYGEN",
    "ADDRESS",   "APPLET",      "ILAYER",    "NEXTID",    "TFOOT",     "CAPTION",   "FIELDSET",
    "INPUT",     "MARQUEE",     "STYLE",     "BASEFONT",  "BGSOUND",   "STRIKE",    "COMMENT",
    "ISINDEX",   "SCRIPT",      "SERVER",    "FRAMESET",  "ACRONYM",   "OPTION",    "LISTING",
    "NOLAYER",   "NOFRAMES",    "BUTTON",    "STRONG",    "TEXTAREA",  "MULTICOL",  "COLGROUP",
    "NOSCRIPT",  "BLOCKQUOTE",  "PLAINTEXT", "!DOCTYPE",  "/A",        "/B",        "/DD",
    "/I",        "/H1",         "/H2",       "/H3",       "/H4",       "/H5",       "/H6",
    "/DL",       "/P",          "/KBD",      "/Q",        "/BIG",      "/EM",       "/HEAD",
    "/S",        "/DEL",        "/LI",       "/U",        "/ABBR",     "/DFN",      "/DT",
    "/TD",       "/CODE",       "/OL",       "/TH",       "/EMBED",    "/MAP",      "/DIR",
    "/LABEL",    "/UL",         "/DIV",      "/CITE",     "/THEAD",    "/TR",       "/PRE",
    "/TABLE",    "/TT",         "/VAR",      "/INS",      "/SUB",      "/BODY",     "/LEGEND",
    "/BLINK",    "/NOBR",       "/SAMP",     "/SPAN",     "/FORM",     "/IFRAME",   "/HTML",
    "/MENU",     "/XMP",        "/FONT",     "/OBJECT",   "/SUP",      "/SMALL",    "/NOEMBED",
    "/LAYER",    "/SELECT",     "/CENTER",   "/TBODY",    "/TITLE",    "/ADDRESS",  "/APPLET",
    "/ILAYER",   "/TFOOT",      "/CAPTION",  "/FIELDSET", "/MARQUEE",  "/STYLE",    "/STRIKE",
    "/COMMENT",  "/SCRIPT",     "/FRAMESET", "/SERVER",   "/ACRONYM",  "/OPTION",   "/LISTING",
    "/NOLAYER",  "/NOFRAMES",   "/BUTTON",   "/STRONG",   "/TEXTAREA", "/MULTICOL", "/COLGROUP",
    "/NOSCRIPT", "/BLOCKQUOTE",
};

constexpr std::string_view kEntities[] = {
    "&amp;",    "&lt;",     "&gt;",     "&quot;",   "&trade;",  "&nbsp;",   "&copy;",   "&reg;",
    "&Agrave;", "&Aacute;", "&Acirc;",  "&Atilde;", "&Auml;",   "&Aring;",  "&AElig;",  "&Ccedil;",
    "&Egrave;", "&Eacute;", "&Ecirc;",  "&Euml;",   "&Igrave;", "&Iacute;", "&Icirc;",  "&Iuml;",
    "&ETH;",    "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;",  "&Otilde;", "&Ouml;",   "&Oslash;",
    "&Ugrave;", "&Uacute;", "&Ucirc;",  "&Uuml;",   "&Yacute;", "&THORN;",  "&szlig;",  "&agrave;",
    "&aacute;", "&acirc;",  "&atilde;", "&auml;",   "&aring;",  "&aelig;",  "&ccedil;", "&egrave;",
    "&eacute;", "&ecirc;",  "&euml;",   "&igrave;", "&iacute;", "&icirc;",  "&iuml;",   "&eth;",
    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;",  "&otilde;", "&ouml;",   "&oslash;", "&ugrave;",
    "&uacute;", "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;",  "&yuml;",   "&iexcl;",  "&cent;",
    "&pound;",  "&curren;", "&yen;",    "&brvbar;", "&sect;",   "&uml;",    "&ordf;",   "&laquo;",
    "&shy;",    "&macr;",   "&deg;",    "&plusmn;", "&sup2;",   "&sup3;",   "&acute;",  "&micro;",
    "&middot;", "&cedil;",  "&sup1;",   "&ordm;",   "&raquo;",  "&frac14;", "&frac12;", "&frac34;",
    "&iquest;", "&times;",  "&divide",  "&euro;",   "&#9;",     "&#127;",   "&#128;",   "&#129;",
    "&#130;",   "&#131;",   "&#132;",   "&ldots;",  "&#134;",   "&#135;",   "&#136;",   "&#137;",
    "&#138;",   "&#139;",   "&#140;",   "&#141;",   "&#142;",   "&#143;",   "&#144;",   "&#152;",
    "&#153;",   "&#154;",   "&#155;",   "&#156;",   "&#157;",   "&#158;",   "&#159;",   "&#161;",
    "&#162;",   "&#163;",   "&#164;",   "&#165;",   "&#166;",   "&#167;",   "&#168;",   "&#170;",
    "&#175;",   "&#176;",   "&#177;",   "&#178;",   "&#180;",   "&#181;",   "&#183;",   "&#184;",
    "&#185;",   "&#186;",   "&#188;",   "&#189;",   "&#190;",   "&#191;",   "&#215;",
};

// Names grouped by hash, so a word is only compared with names of its hash.
const std::array<std::vector<std::string_view>, kTagHashLimit>& TagBuckets() {
  static const auto buckets = [] {
    std::array<std::vector<std::string_view>, kTagHashLimit> b;
    for (auto name : kTagNames) b[static_cast<std::size_t>(TagWordHash(name))].push_back(name);
    return b;
  }();
  return buckets;
}

bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::span<const std::string_view> KnownTagNames() {
  return kTagNames;
}
std::span<const std::string_view> EntityTexts() {
  return kEntities;
}

int TagLetterValue(unsigned char c) {
  if (c == '!') return 123;
  if (c == '/') return 122;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
  if (c >= 'a' && c <= 'z') return c - 'a' + 1;
  return 0;
}

std::size_t TagWordLength(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && TagLetterValue(static_cast<unsigned char>(text[n])) != 0) ++n;
  while (n < text.size() && IsDigit(static_cast<unsigned char>(text[n]))) ++n;
  return n;
}

int TagWordHash(std::string_view word) {
  int hash = 0;
  for (unsigned char c : word) hash += IsDigit(c) ? c - '0' : TagLetterValue(c);
  return hash;
}

bool IsKnownTagWord(std::string_view word, int hash) {
  if (hash < 0 || hash >= kTagHashLimit) return false;
  for (auto name : TagBuckets()[static_cast<std::size_t>(hash)]) {
    if (name.size() != word.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < word.size() && same; ++i) {
      same = TagLetterValue(static_cast<unsigned char>(word[i])) ==
             TagLetterValue(static_cast<unsigned char>(name[i]));
    }
    if (same) return true;
  }
  return false;
}

std::size_t EntityLengthAt(std::string_view text) {
  if (text.size() < 2 || text[0] != '&') return 0;
  // Entities grouped by their second character, in table order.
  static const auto byFirst = [] {
    std::array<std::vector<std::string_view>, 256> groups;
    for (auto entity : kEntities) groups[static_cast<unsigned char>(entity[1])].push_back(entity);
    return groups;
  }();
  for (auto entity : byFirst[static_cast<unsigned char>(text[1])]) {
    if (text.starts_with(entity)) return entity.size();
  }
  return 0;
}

}  // namespace korva
