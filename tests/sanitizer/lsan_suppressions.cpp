// Linked into every program of the sanitizer build: the leaks LeakSanitizer is to let pass.
// SDL opens a D-Bus connection (for the input method and the screen saver) that libdbus keeps for
// the life of the process; nothing outside libdbus can free it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
