// Built into every program and test only with QUILLAN_SANITIZE. Libraries that keep process-wide
// caches to the end (Qt WebEngine, Qt's font and GUI state, fontconfig, espeak-ng)
// are no leaks of ours either. Graphviz 2.42's pango text
// layout keeps a pointer to the font name of the context that last laid out
// text, so the first label of every later context compares against freed
// memory; libgvc and fontconfig also leave their caches behind at exit. Neither
// is Quillan's to fix, and one context per picture is how pictures are drawn, so
// these defaults keep the sanitizers reporting on our own code only.

extern "C" const char* __asan_default_suppressions() {
    return "interceptor_via_lib:libgvplugin_pango.so\n";
}

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libgvc.so\nleak:libfontconfig.so\nleak:libQt6WebEngineCore.so\n"
           "leak:libQt6Core.so\nleak:libQt6Gui.so\nleak:libQt6Widgets.so\nleak:libespeak-ng.so\n"
           "leak:libglib-2.0.so\nleak:libdbus-1.so\n";
}

// Chromium inside Qt WebEngine frees some objects through a base of another size.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }
