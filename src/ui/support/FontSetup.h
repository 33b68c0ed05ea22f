#pragma once

#include <thread>

// Reads the system's font configuration and its list of fonts on a thread of its own, the
// slowest part of the first text a window lays out, while the main thread connects to the
// display. Join the thread before the application first asks for a font.
std::thread WarmFontConfiguration();

// The design's fonts are "Comic Sans MS"; where that family is missing, "Comic Neue"
// stands in for it. Call once after the QApplication exists.
void InstallFontSubstitutions();
