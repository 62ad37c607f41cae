#pragma once
// Operations that must not let a failure escape run their body through Guarded:
// a failure is reported with the operation's own text and the operation returns.
#include "platform/UserInterface.h"

#include <exception>
#include <utility>

template <class Body>
bool Guarded(const char* failureText, Body&& body) {
  try {
    std::forward<Body>(body)();
    return true;
  } catch (const std::exception&) {
    ShowError(QString::fromLatin1(failureText));
    return false;
  }
}
