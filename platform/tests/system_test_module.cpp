// A library for the loader's tests: two exports with known results, nothing else (no static
// objects, so that freeing it really unloads it).

extern "C" __attribute__((visibility("default"))) int SystemTestModuleAnswer() { return 4217; }

extern "C" __attribute__((visibility("default"))) int SystemTestModuleAdd(int a, int b) { return a + b; }
