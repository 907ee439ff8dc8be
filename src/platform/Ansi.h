#pragma once
// Velmora's texts are 8-bit: every byte maps to one character through the
// windows-1252 table, so any byte sequence survives the trip to QString and back.
#include <QByteArray>
#include <QString>

namespace Ansi {

// The character a windows-1252 byte stands for; the five undefined bytes map
// to the C1 control characters of the same value.
QChar ByteToChar(unsigned char byte);
// The byte for a character, or '?' for a character the code page lacks.
unsigned char CharToByte(QChar c);

QString ToString(const QByteArray& bytes);
QByteArray FromString(const QString& text);

// The code page's own lower-case mapping: ASCII letters and the accented
// capitals (Š Œ Ž Ÿ and À to Þ except ×).
unsigned char LowerByte(unsigned char byte);
QByteArray LowerCase(const QByteArray& bytes);
QString LowerCase(const QString& text);

}  // namespace Ansi
