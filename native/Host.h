#pragma once

#include <QUrl>

class QQmlEngine;

// Process start-up: the steps that run before and around the QML engine.
namespace Host {
// The main window document.
QUrl mainDocumentUrl();

// Sets the application's version, organisation, domain and name (the standard locations
// of the settings, cache and temporary folders derive from them).
void setApplicationIdentity();

// Adds the Persian text face's extra weights, so bold text uses real bold glyphs (the
// window's font loaders bring the regular faces).
void registerFontFaces();

// Selects the software scene graph where no OpenGL context can be made.
void chooseSceneGraphBackend();

// Publishes the context properties every document relies on on the engine's root context.
void publishContextProperties(QQmlEngine *engine);

// Runs the program: start-up steps in order, then the event loop. `mainUrl` is the document
// to load; the program always loads mainDocumentUrl().
int run(int argc, char *argv[], const QUrl &mainUrl = mainDocumentUrl());
} // namespace Host
