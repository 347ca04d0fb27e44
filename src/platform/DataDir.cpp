#include "platform/DataDir.h"

#include <QCoreApplication>
#include <QDir>

DataDir::DataDir(QString baseDir)
    : baseDir_(std::move(baseDir))
{
}

DataDir DataDir::besideExecutable()
{
    return DataDir(QCoreApplication::applicationDirPath());
}

QString DataDir::path(const QString& relative) const
{
    return QDir(root()).filePath(relative);
}

QString DataDir::root() const
{
    return QDir(baseDir_).filePath(QStringLiteral("Data"));
}
