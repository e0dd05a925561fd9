#pragma once
// What the web engine needs before the program's QApplication exists, and the
// program's own pages on a web profile.

class QWebEngineProfile;

namespace gb::app::ui {

// Registers the "res" scheme of the program's own pages and prepares the web
// engine as every program of the system does (gb::widgets::
// PrepareWebEngineProcess). Call it in main() before the QApplication is
// created; once is enough, more do no harm.
void PrepareWebEngine();

// Serves "res://Vellumark.dll/..." on the profile from the program's
// resources; a profile that serves them already is left as it is.
void InstallResourcePages(QWebEngineProfile& profile);

}  // namespace gb::app::ui
