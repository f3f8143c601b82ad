#include "pattern/word_list.h"

namespace lumo {

const MemWord* WordList::Find(MemAddress address) const {
  const auto found = words_.lower_bound(address);
  return found != words_.end() && found->address == address ? &*found : nullptr;
}

bool WordList::Remove(MemAddress address) {
  const auto found = words_.lower_bound(address);
  if (found == words_.end() || found->address != address) return false;
  words_.erase(found);
  return true;
}

}  // namespace lumo
