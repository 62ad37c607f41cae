#pragma once
// The entry sequence: every form of the program, created once in order and
// reached through its global pointer.

// Creates the main frame, about box, fill mode dialog, new pattern dialog,
// conversion window, progress window, palette editor and colour chooser.
void CreateApplicationForms();
// Frees them again, last made first; every global pointer goes back to null.
void DestroyApplicationForms();

// The whole program: application object, forms, the widget seam, the loop.
int RunGlintweave(int argc, char** argv);
