#pragma once
// The units' texts are 8-bit strings taken from the wire unchanged; on screen each
// byte is one Latin-1 character.
#include <QString>
#include <string>

namespace halvex {

inline QString Text8(const std::string& text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace halvex
