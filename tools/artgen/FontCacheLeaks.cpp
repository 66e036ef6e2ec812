// Fontconfig, Pango and the libraries under them keep their font caches for the life of the
// process and free them only on request, and that request (cairo_debug_reset_static_data after
// dropping Pango's font map) races Pango's font-loading thread. So the caches stay until exit and
// the leak checker is told to pass over what was allocated inside the font stack; everything the
// art code allocates through Cairo itself is still checked.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libpango-1.0.so\n"
           "leak:libpangocairo-1.0.so\n"
           "leak:libpangoft2-1.0.so\n"
           "leak:libharfbuzz.so\n"
           "leak:libfreetype.so\n"
           "leak:libglib-2.0.so\n"
           "leak:libgobject-2.0.so\n";
}
#endif
