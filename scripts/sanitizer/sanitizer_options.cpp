// Linked into every executable of the sanitizer build: LeakSanitizer reads
// the project's suppression file without any environment setting.
#ifndef VELMORA_LSAN_SUPPRESSIONS
#error "VELMORA_LSAN_SUPPRESSIONS must name the suppression file"
#endif

extern "C" const char* __lsan_default_options() { return "suppressions=" VELMORA_LSAN_SUPPRESSIONS; }
