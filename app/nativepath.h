// Paths cross between the windows and the core as the file system's 8-bit names,
// so any name the file system holds survives the round trip.
#pragma once

#include <QFile>
#include <QString>
#include <string>

inline std::string toNative(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QString fromNative(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}
