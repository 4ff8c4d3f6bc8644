// The fixed fragments every generated HTML file is assembled from. All are
// plain ASCII except the top-frame items, which are CP932.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korva::tags {

inline constexpr std::string_view kDocType =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
    "\"http://www.w3.org/TR/html4/loose.dtd\">";
inline constexpr std::string_view kHtmlOpen = "<html>";
inline constexpr std::string_view kHeadOpen = "<head>";
inline constexpr std::string_view kHeadClose = "</head>";
inline constexpr std::string_view kBodyOpen = "<body>";
inline constexpr std::string_view kBodyClose = "</body>";
inline constexpr std::string_view kHtmlClose = "</html>";
inline constexpr std::string_view kCharsetMeta =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">";
inline constexpr std::string_view kStyleTypeMeta =
    "<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">";
inline constexpr std::string_view kCssLinkPlaceholder =
    "<link rel=\"stylesheet\" href=\"@css@\" media=\"screen,print,tv\" type=\"text/css\" "
    "title=\"default\">";
inline constexpr std::string_view kCssLinkTryOut =
    "<link rel=\"stylesheet\" href=\"tryout.css\" media=\"screen,print,tv\" type=\"text/css\" "
    "title=\"default\">";
inline constexpr std::string_view kTryOutCssName = "tryout.css";
inline constexpr std::string_view kStyleOpen = "<style type=\"text/css\">";
inline constexpr std::string_view kStyleClose = "</style>";

inline constexpr std::string_view kParagraphClassOpen = "<p class=\"";
inline constexpr std::string_view kParagraphIdOpen = "<p id=\"";
inline constexpr std::string_view kClassAttr = "\" class=\"";
inline constexpr std::string_view kTagEnd = "\">";
inline constexpr std::string_view kParagraphClose = "</p>";
inline constexpr std::string_view kBr = "<br>";
inline constexpr std::string_view kNbsp = "&nbsp;";
inline constexpr std::string_view kAnchorIdOpen = "<a id=\"";
inline constexpr std::string_view kAnchorIdClose = "\"></a>";
inline constexpr std::string_view kAnchorHrefOpen = "<a href=\"#";
inline constexpr std::string_view kAnchorClose = "</a>";
inline constexpr std::string_view kSpanClassOpen = "<span class=\"";
inline constexpr std::string_view kSpeakerSpanOpen = "<span class=\"speaker\">";
inline constexpr std::string_view kSpanClose = "</span>";
inline constexpr std::string_view kHeadingIdOpen = "<h4 id=\"";
inline constexpr std::string_view kHeadingClose = "</h4>";
inline constexpr std::string_view kRuleClassOpen = "<hr class=\"";
inline constexpr std::string_view kSeparatorClass = "separator";
inline constexpr std::string_view kListClassOpen = "<ul class=\"";
inline constexpr std::string_view kListClose = "</ul>";
inline constexpr std::string_view kItemIdOpen = "<li id=\"";
inline constexpr std::string_view kItemClose = "</li>";
inline constexpr std::string_view kQuoteIdOpen = "<blockquote id=\"";
inline constexpr std::string_view kQuoteClose = "</blockquote>";
inline constexpr std::string_view kDivIdOpen = "<div id=\"";
inline constexpr std::string_view kDivClose = "</div>";
inline constexpr std::string_view kTablePositionDiv = "<div class=\"tableposition\">";
inline constexpr std::string_view kContentClass = "content";
inline constexpr std::string_view kPreHeader = "<pre class=\"%hol%content-header\">";
inline constexpr std::string_view kPreContent = "<pre class=\"%hol%content\">";
inline constexpr std::string_view kPreFooter = "<pre class=\"%hol%content-footer\">";
inline constexpr std::string_view kPreClose = "</pre>";
inline constexpr std::string_view kPreLeftNav = "<pre class=\"leftnav\">";
inline constexpr std::string_view kStartBlockquoteComment = "<!--   %%%% Start-Blockquote %%%% -->";
inline constexpr std::string_view kEndBlockquoteComment = "<!--   #### End-Blockquote #### -->";
inline constexpr std::string_view kStartContentComment = "<!--   %%%% Start-Content %%%% -->";
inline constexpr std::string_view kEndContentComment = "<!--   #### End-Content ####  -->";

inline constexpr std::string_view kTopFrameOpen = "<div id=\"tf\">";
inline constexpr std::string_view kTopFrameClose = "</div><!--  //<div id=\"tf\"       -->";
inline constexpr std::string_view kTopFrameList = "<ul class=\"topframe\">";
inline constexpr std::string_view kTopFrameCaption = "<h1 class=\"topframe\">@t-caption@</h1>";
// The six link items of the top frame, in order (CP932).
const std::vector<std::string>& TopFrameItems();

// Written at the start of every class value that depends on the page layout;
// each output file replaces it.
inline constexpr std::string_view kLayoutMarker = "%hol%";

inline constexpr std::string_view kDefaultCSSHref = "../css/minutes.css";
inline constexpr std::string_view kDefaultHomeHref = "../../../index.html";
inline constexpr std::string_view kDefaultTopHref = "../../top.html";
inline constexpr std::string_view kDefaultListHref = "../minutes-list.html";

}  // namespace korva::tags
