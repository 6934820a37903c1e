#pragma once

#include <string>
#include <vector>

namespace forms {

// The entries of a combo box or list box: texts with their ItemData.
class ListItems {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Throws forms::Error for an index outside 0..Count()-1.
  const std::string& Text(int index) const;
  void SetText(int index, const std::string& v);
  long Data(int index) const;
  void SetData(int index, long v);
  // Inserts at index (-1 = at the end) and returns the position used.
  int Add(const std::string& text, int index);
  void Remove(int index);
  void Clear() { items_.clear(); }
  // First entry equal to text, -1 when none.
  int Find(const std::string& text) const;

 private:
  struct Item {
    std::string text;
    long data = 0;
  };
  const Item& At(int index) const;
  Item& At(int index);

  std::vector<Item> items_;
};

}  // namespace forms
