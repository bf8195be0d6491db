#include "core/base/Scramble.h"

QByteArray ScrambleText(const QByteArray& text) {
  static constexpr char kKey[] = "plumtreeyo";
  static constexpr int kKeyLength = 10;
  QByteArray scrambled = text;
  for (qsizetype index = 0; index < scrambled.size(); ++index) {
    // Byte number i (from 1) uses key letter (i mod 10) + 1 (from 1), that is kKey[i mod 10].
    const qsizetype byteNumber = index + 1;
    const char mask = static_cast<char>(kKey[byteNumber % kKeyLength] % 10);
    scrambled[index] = static_cast<char>(scrambled[index] ^ mask);
  }
  return scrambled;
}
