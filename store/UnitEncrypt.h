#pragma once
#include <QString>
#include <stdexcept>

// Keyed running cipher over 8-bit characters, written as two hexadecimal digits per character
// after a random starting offset.
class ConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

QString EncryptString(const QString &Source, const QString &Key);
// Throws ConvertError when a digit pair is missing or not hexadecimal.
QString UnEncryptString(const QString &Source, const QString &Key);
// The same as UnEncryptString, as bytes (every deciphered code is below 256).
QByteArray UnEncryptToBytes(const QString &Source, const QString &Key);

// Fixes the starting offset of the next encryptions (tests); -1 draws it at random again.
void SetEncryptOffsetForTesting(int offset);
