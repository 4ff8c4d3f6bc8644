#include "cli/cli_context.h"

#include <algorithm>
#include <charconv>

namespace korva::cli {

bool CommandArgs::TakeFlag(const std::string& name) {
  auto it = std::find(args_.begin(), args_.end(), name);
  if (it == args_.end()) return false;
  args_.erase(it);
  return true;
}

std::optional<std::string> CommandArgs::TakeValue(const std::string& name) {
  auto it = std::find(args_.begin(), args_.end(), name);
  if (it == args_.end()) return std::nullopt;
  if (it + 1 == args_.end()) throw UsageError{name + " needs a value"};
  std::string value = *(it + 1);
  args_.erase(it, it + 2);
  return value;
}

std::optional<long long> CommandArgs::TakeInteger(const std::string& name) {
  auto text = TakeValue(name);
  if (!text) return std::nullopt;
  long long value = 0;
  auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (ec != std::errc() || end != text->data() + text->size()) {
    throw UsageError{name + " needs a whole number, not \"" + *text + "\""};
  }
  return value;
}

std::vector<std::string> CommandArgs::Positionals() const {
  for (const auto& arg : args_) {
    if (arg.size() > 1 && arg[0] == '-') throw UsageError{"unknown option " + arg};
  }
  return args_;
}

}  // namespace korva::cli
