/* Linked into every executable of a sanitizer build: libraries are never
   unloaded, so the leak check at exit can still name the library (a GL
   driver, say) that allocated a block, and the suppressions can match it.
   Without this a leak inside an unloaded library is reported from an
   "unknown module", which this LeakSanitizer cannot suppress. */
int dlclose(void* handle) {
    (void)handle;
    return 0;
}
