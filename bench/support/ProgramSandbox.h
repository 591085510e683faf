#pragma once

#include "Host.h"
#include "QmlTypes.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A benchmark runs the program's documents as the program does, drawn offscreen by the software
// renderer, with the settings, caches and local storage of the run kept inside one temporary folder.
namespace ProgramSandbox {

// Before the application object: where the run keeps its files, and how it draws.
inline bool prepare(const QTemporaryDir &work) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    if (!work.isValid())
        return false;
    for (const char *sub : {"config", "cache", "data", "offline"})
        QDir(work.path()).mkpath(QString::fromLatin1(sub));
    qputenv("HOME", work.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (work.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (work.path() + QStringLiteral("/cache")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (work.path() + QStringLiteral("/data")).toLocal8Bit());
    return true;
}

// After the application object: the program's name, fonts and native types.
inline void registerProgram() {
    Host::setApplicationIdentity();
    Host::registerFontFaces();
    QmlTypes::registerAll();
}

} // namespace ProgramSandbox
