#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "lists/error_message.h"
#include "lists/list.h"

namespace lumo::testing {

inline List ReadOne(const std::string& text) {
  std::istringstream in(text);
  List list;
  list.Read(in);
  return list;
}

inline std::string FileForm(const List& list) {
  std::ostringstream out;
  list.Print(out);
  return out.str();
}

// The tag of the ListError that reading `text` raises; empty when none.
inline std::string ReadErrorTag(const std::string& text) {
  try {
    ReadOne(text);
  } catch (const ListError& error) {
    return error.tag();
  }
  return {};
}

// Runs `action`, which must raise a ListError, and returns it.
template <class Action>
ListError CaughtError(Action action) {
  try {
    action();
  } catch (const ListError& error) {
    return error;
  }
  ADD_FAILURE() << "no ListError was raised";
  return ListError("");
}

}  // namespace lumo::testing
