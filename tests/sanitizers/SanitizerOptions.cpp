// Options of the sanitizer runtimes, compiled into every test program of the
// sanitizer build (SKYLYRE_SANITIZE). Variables such as ASAN_OPTIONS given at
// run time still add to or override them.

extern "C" {

// Any finding stops the program with a stack, so the test fails; leaks are
// checked at exit.
const char *__asan_default_options()
{
    return "detect_leaks=1:abort_on_error=1:strict_string_checks=1:"
           "detect_stack_use_after_return=1:check_initialization_order=1:"
           "strict_init_order=1:detect_invalid_pointer_pairs=0";
}

const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

// Leaks in prebuilt system libraries that are not the project's: see the file.
const char *__lsan_default_options()
{
    return "suppressions=" SKYLYRE_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

} // extern "C"
