// Built into the tests only with QUILLAN_SANITIZE. Graphviz 2.42's pango text
// layout keeps a pointer to the font name of the context that last laid out
// text, so the first label of every later context compares against freed
// memory; libgvc and fontconfig also leave their caches behind at exit. Neither
// is Quillan's to fix, and one context per picture is how pictures are drawn, so
// these defaults keep the sanitizers reporting on our own code only.

extern "C" const char* __asan_default_suppressions() {
    return "interceptor_via_lib:libgvplugin_pango.so\n";
}

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libgvc.so\nleak:libfontconfig.so\n";
}
