// A library that carries a version resource and nothing else to do.
extern "C" __declspec(dllexport) int HhFuncsVersionedLibrary() { return 0; }
