#pragma once

#include <QByteArray>

// Check characters of the symbologies. Inputs are the code page 936 bytes of the text; every function that
// needs digits raises BarcodeError("条码必须是数字") on any other byte.
namespace op::checkdigits {

// Weights 3 and 1 alternating, 3 at the rightmost digit; (10 - sum mod 10) mod 10.
int modulo10(QByteArrayView digits);

// The digit-doubling modulo 10 of MSI (every second digit from the right doubled, digits of products summed).
int msiModulo10(QByteArrayView digits);

// Code 39: sum of the character values mod 43.
int modulo43(const QList<int> &values);

// Code 128: start value plus position-weighted values, mod 103 (positions count from 1).
int modulo103(int startValue, const QList<int> &values);

// Code 93: the check character over values with weights 1..maxWeight cycling from the right.
int modulo47(const QList<int> &values, int maxWeight);

// Parity value of the five-digit add-on: 3 × odd positions + 9 × even positions, mod 10.
int supplement5(QByteArrayView digits);

// True when every byte is an ASCII digit.
bool allDigits(QByteArrayView bytes);

// The digit value of a byte; raises the digits message for anything else.
int digitValue(char byte);

}  // namespace op::checkdigits
