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

// Loads Qt's own Persian translations (file and print dialogs) where the system has them, and
// lays out Qt's own widgets right to left like the rest of the program.
void installQtTranslations();

// Whether the request layer prints requests and replies to the console (the window's
// `showLog`, published as `requestLogging`). Replies carry owners' names and mobile numbers:
// development and test builds turn it on, the installed program leaves it off.
void setRequestLogging(bool enabled);

// Whether TLS peers may also be vouched for by the build tree's development authority (the
// program built in the tree), or only by the system's and the given one (the installed program).
void setTrustDevelopmentAuthority(bool trusted);

// Selects the software scene graph where no OpenGL context can be made.
void chooseSceneGraphBackend();

// Publishes the context properties every document relies on on the engine's root context.
void publishContextProperties(QQmlEngine *engine);

// Runs the program: start-up steps in order, then the event loop. `mainUrl` is the document
// to load; the program always loads mainDocumentUrl().
int run(int argc, char *argv[], const QUrl &mainUrl = mainDocumentUrl());
} // namespace Host
