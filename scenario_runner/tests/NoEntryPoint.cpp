// A loadable library without EntryPointFunc, to check how the runner refuses it.
extern "C" int NotAnEntryPoint() { return 0; }
