#include "cli/commands.h"

#include <vector>

namespace korva::cli {

int RunTable(CliContext& ctx, CommandArgs args);
int RunCheck(CliContext& ctx, CommandArgs args);
int RunSettings(CliContext& ctx, CommandArgs args);
int RunPublish(CliContext& ctx, CommandArgs args);
int RunConvert(CliContext& ctx, CommandArgs args);
int RunUnwrap(CliContext& ctx, CommandArgs args);
int RunColorize(CliContext& ctx, CommandArgs args);
int RunPrepare(CliContext& ctx, CommandArgs args);

std::span<const CliCommand> Commands() {
  static const std::vector<CliCommand> commands = {
      {"table", "table MINUTES",
       "prints the analysed line table, one TAB-separated row per line (a TAB, line break\n"
       "      or back slash inside a field is written \\t, \\n, \\r or \\\\)",
       RunTable},
      {"check", "check MINUTES...", "reports block-mark counts, speakers and problems by line",
       RunCheck},
      {"prepare", "prepare MINUTES... [--out DIR | --in-place] [--dry-run]",
       "prepares minutes exported by a minutes system (marks, joined lines) and prints the "
       "changes; --in-place keeps NAME.orig",
       RunPrepare},
      {"convert", "convert MINUTES... --out DIR [--utf8] [--trial] [--nav] [--prepare]",
       "saves the colour-coded document of each minutes file as DIR/<html name>.html", RunConvert},
      {"settings", "settings", "prints the settings in effect, one NAME=VALUE line per setting",
       RunSettings},
      {"publish", "publish MINUTES... --out DIR [--web DIR] [--prepare]",
       "writes the local three-file set (-n.html, -v.html, -h.html) and, with --web, the web set",
       RunPublish},
      {"unwrap",
       "unwrap FILE [--backslash] [--lower N] [--limit N] [--remove-hsp] [--change-hsp] [--utf8]",
       "joins hard-wrapped lines into paragraphs (or marks them with a full-width back slash)",
       RunUnwrap},
      {"colorize", "colorize FILE.html", "writes the HTML syntax-coloured RTF document",
       RunColorize},
  };
  return commands;
}

}  // namespace korva::cli
