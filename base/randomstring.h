#pragma once

#include <QString>

// n characters drawn from [0-9A-Za-z]; with a seed, its SHA-1 in hex and "_" first.
QString randomString(int n, const QString &seed);
