// A sorted list of strings that silently ignores an added duplicate. Entries
// are compared without regard to ASCII letter case, byte by byte otherwise.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace korva {

class SortedStringSet {
 public:
  static bool Less(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
  }

  // Returns false when the string was already there.
  bool Add(const std::string& s) {
    auto it = std::lower_bound(items_.begin(), items_.end(), s, Less);
    if (it != items_.end() && !Less(s, *it)) return false;
    items_.insert(it, s);
    return true;
  }
  bool Contains(const std::string& s) const {
    return std::binary_search(items_.begin(), items_.end(), s, Less);
  }
  void Clear() { items_.clear(); }
  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  const std::string& operator[](std::size_t i) const { return items_[i]; }
  const std::vector<std::string>& Items() const { return items_; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  static unsigned char Fold(char c) {
    auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
  }
  std::vector<std::string> items_;
};

}  // namespace korva
