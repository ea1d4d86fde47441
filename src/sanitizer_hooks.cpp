// Built into every program and test only with QUILLAN_SANITIZE. Libraries that keep process-wide
// caches to the end (Qt WebEngine, Qt's font and GUI state, fontconfig, espeak-ng,
// libgvc) are no leaks of ours, so these defaults keep the sanitizers reporting on
// our own code only. (Graphviz's pango plugin no longer needs a suppression: the
// pictures keep the font name it remembers alive, see alignment_graph.cpp.)

// Mesa's DRI driver (swrast_dri.so under a virtual display, another *_dri.so on
// real hardware), which the window's OpenGL context loads, keeps 240 bytes in
// three blocks from its own data and is unloaded when the context goes, before
// the leak check at exit: the blocks then count as leaked, from a library no
// report can name and no suppression can match. So in these builds no library is
// ever unloaded (dlclose does nothing); the driver's blocks stay reachable from
// its data, as they are in a normal run, and nothing is reported.
extern "C" int dlclose(void*) { return 0; }

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libgvc.so\nleak:libfontconfig.so\nleak:libQt6WebEngineCore.so\n"
           "leak:libQt6Core.so\nleak:libQt6Gui.so\nleak:libQt6Widgets.so\nleak:libespeak-ng.so\n"
           "leak:libglib-2.0.so\nleak:libdbus-1.so\n";
}

// Chromium inside Qt WebEngine frees some objects through a base of another size.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }
