#pragma once
// What a program that shows web pages does before its QApplication exists,
// and what it tells the user about it.

#include <string>

namespace gb::widgets {

// Lets the web engine share the window system's drawing contexts and, when
// the program runs as root, run without its sandbox: for root the engine
// refuses its sandbox and ends the whole program the moment it starts. Call
// it in main() before the QApplication is created.
void PrepareWebEngineProcess();

// The note that the web engine runs without its sandbox because the program
// runs as root; empty when the program does not run as root.
std::string WebEngineSandboxNote();

}  // namespace gb::widgets
