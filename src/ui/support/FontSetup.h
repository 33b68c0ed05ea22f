#pragma once

// The design's fonts are "Comic Sans MS"; where that family is missing, "Comic Neue"
// stands in for it. Call once after the QApplication exists.
void InstallFontSubstitutions();
