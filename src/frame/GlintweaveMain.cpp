// The program's entry point.
#include "frame/Application.h"

int main(int argc, char** argv) { return RunGlintweave(argc, argv); }
