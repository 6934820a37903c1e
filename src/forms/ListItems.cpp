#include "forms/ListItems.h"

#include "forms/Error.h"

namespace forms {

const ListItems::Item& ListItems::At(int index) const {
  if (index < 0 || index >= Count())
    throw Error("Invalid property array index: " + std::to_string(index));
  return items_[static_cast<size_t>(index)];
}

ListItems::Item& ListItems::At(int index) {
  return const_cast<Item&>(static_cast<const ListItems&>(*this).At(index));
}

const std::string& ListItems::Text(int index) const { return At(index).text; }
void ListItems::SetText(int index, const std::string& v) { At(index).text = v; }
long ListItems::Data(int index) const { return At(index).data; }
void ListItems::SetData(int index, long v) { At(index).data = v; }

int ListItems::Add(const std::string& text, int index) {
  if (index < 0) {
    items_.push_back({text, 0});
    return Count() - 1;
  }
  if (index > Count()) throw Error("Invalid argument: AddItem index " + std::to_string(index));
  items_.insert(items_.begin() + index, Item{text, 0});
  return index;
}

void ListItems::Remove(int index) {
  At(index);
  items_.erase(items_.begin() + index);
}

int ListItems::Find(const std::string& text) const {
  for (int i = 0; i < Count(); ++i) {
    if (items_[static_cast<size_t>(i)].text == text) return i;
  }
  return -1;
}

}  // namespace forms
