#pragma once

#include <QByteArray>
#include <QString>

// The program's 8-bit code page is GBK (code page 936): byte counts of names, scrambled
// configuration values and the INI file all use it.
QByteArray ToGbk(const QString& text);
QString FromGbk(const QByteArray& bytes);
// Length of the text in GBK bytes: "会员张三ABC12" is 13.
int GbkLength(const QString& text);
