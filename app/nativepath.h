// Paths cross between the windows and the core as the core's names: the file
// system's 8-bit names here, so any name it holds survives the round trip, and
// UTF-8 on Windows, which the core's wide system calls take. Windows takes the
// '/' of Qt's dialogs and drops as a separator, and so does the core there.
#pragma once

#include <QFile>
#include <QString>
#include <string>

inline std::string toNative(const QString& path)
{
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

inline QString fromNative(const std::string& path)
{
#ifdef Q_OS_WIN
    return QString::fromStdString(path);
#else
    return QFile::decodeName(QByteArray::fromStdString(path));
#endif
}
