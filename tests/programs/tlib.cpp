// A shared library the platform tests load: one exported function.
extern "C" __attribute__((visibility("default"))) int TesseraTestAnswer() { return 42; }
